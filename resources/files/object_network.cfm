// Network object mode "(config-network-object)#".
#|object kind|k/o/n||
  host|Host address||
  subnet|Subnet||
  range|Address range||
  fqdn|Fully qualified domain name||
#|||
  line|addresses|lb/le/wa||
    <cr>||||
    !
  !
!
description|Description|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
nat|NAT settings|k/o/n||
  line|NAT rule|lb/le/wa||
    <cr>||||
    !
  !
!
