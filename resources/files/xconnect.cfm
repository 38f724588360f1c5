// Xconnect mode "(config-if-xconn)#".
backup|Backup pseudowire|k||
  peer|Backup peer|k/o/n||
    line|peer and VC id|lb/le/wa||
      <cr>||||
      !
    !
  !
!
remote|Remote settings|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
mtu|MTU|k/o/n||
  <64-65535>|MTU|||
    <cr>||||
    !
  !
!
