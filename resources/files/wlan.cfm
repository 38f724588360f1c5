// WLAN mode "(config-wlan)#".
security|Security settings|k||
  #|security type|k||
    wpa|WPA settings||
    web-auth|Web authentication||
    dot1x|802.1x||
  #|||
    line|settings|lb/le/wa/o/n||
      <cr>||||
      !
    !
  !
!
#|setting|k/o/n||
  shutdown|Shutdown||
  client|Client settings||
  radio|Radio settings||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
