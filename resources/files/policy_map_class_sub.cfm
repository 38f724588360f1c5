// Policy-map class option modes (fair-queue, bandwidth remaining).
dbl|Dynamic buffer limiting|k/o/sb||
  <cr>||||
  !
!
random-detect|Enable Random Early Detection as drop policy|k/o/sb||
  <cr>||||
  !
  line|options|lb/le/wa||
    <cr>||||
    !
  !
!
