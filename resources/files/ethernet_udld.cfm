// Interface UDLD mode.
mode|UDLD mode|k/o/n||
  word|mode|||
    <cr>||||
    !
  !
!
