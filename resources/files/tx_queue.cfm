// Interface transmit queue mode.
bandwidth|Bandwidth|k/o/n||
  line|bandwidth|lb/le/wa||
    <cr>||||
    !
  !
!
priority|Priority|k/o/n||
  line|priority|lb/le/wa||
    <cr>||||
    !
  !
!
