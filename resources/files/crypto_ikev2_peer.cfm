// IKEv2 keyring peer mode "(config-ikev2-keyring-peer)#".
address|Specify address of peer|k/o/n||
  a.b.c.d|IPv4 address of peer|||
    <cr>||||
    !
    a.b.c.d|Mask|||
      <cr>||||
      !
    !
  !
!
description|Description|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
identity|Specify IKE identity of peer|k/o/n||
  line|identity|lb/le/wa||
    <cr>||||
    !
  !
!
pre-shared-key|Specify the pre-shared key|k/o/n||
  line|key|lb/le/wa||
    <cr>||||
    !
  !
!
