// Policy-map class option modes (fair-queue, bandwidth remaining).
dbl|Dynamic buffer limiting|k/o/sb||
  <cr>||||
  !
!
random-detect|Enable Random Early Detection as drop policy|k/o/sb||
  <cr>||||
  !
  #|basis|k/o/sb||
    dscp-based|Enable dscp-based WRED as drop policy||
    prec-based|Enable precedence-based WRED as drop policy||
  #|||
    <cr>||||
    !
  !
!
