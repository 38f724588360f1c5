// Inspection policy-map parameters mode "(config-pmap-p)#".
#|parameter|k/o/sb||
  id-mismatch|ID mismatch||
  id-randomization|ID randomization||
  message-length|Message length||
  protocol-violation|Protocol violation||
  tcp-inspection|TCP inspection||
  dns-guard|DNS guard||
#|||
  <cr>||||
  !
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
