// Virtual switch domain mode.
#|setting|k/o/n||
  dual-active|Dual-active detection||
  mac-address|MAC address||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
