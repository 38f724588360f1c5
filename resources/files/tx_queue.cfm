// Interface transmit queue mode.
bandwidth|Bandwidth|k/o/n||
  percent|Bandwidth as a percentage of the link|||
    <1-100>|Percentage of the link bandwidth|||
      <cr>||||
      !
    !
  !
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
