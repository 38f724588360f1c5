// TAP aggregation mode.
mode|Mode|k/o/n||
  line|mode and options|lb/le/wa||
    <cr>||||
    !
  !
!
