// ATM PVC mode "(config-if-atm-vc)#".
#|setting|k/o/n||
  dialer|Dialer settings||
  encapsulation|Encapsulation||
  protocol|Protocol settings||
  vbr-nrt|Variable bit rate||
  ubr|Unspecified bit rate||
  oam-pvc|OAM settings||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
