// Pseudowire class mode "(config-pw-class)#".
#|setting|k/o/sb||
  control-word|Use control word||
  encapsulation|Data encapsulation method||
  interworking|Interworking options||
  protocol|Signaling protocol to use||
  sequencing|Sequencing options||
#|||
  <cr>||||
  !
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
