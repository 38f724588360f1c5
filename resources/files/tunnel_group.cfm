// Tunnel group attributes mode.
#|attribute|k/o/n||
  peer-id-validate|Peer id validation||
  pre-shared-key|Pre-shared key||
  ikev1|IKEv1 settings||
  ikev2|IKEv2 settings||
  isakmp|ISAKMP settings||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
