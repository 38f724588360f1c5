// Access point profile mode "(config-ap-profile)#".
#|setting|k||
  dot1x|802.1x settings||
  mgmtuser|Management user settings||
  description|Description||
  country|Country||
#|||
  line|value|lb/le/wa/o/n||
    <cr>||||
    !
  !
!
