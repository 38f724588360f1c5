// Layer 2 VFI mode "(config-vfi)#".
#|setting|k/o/n||
  bridge-domain|Bridge domain||
  mtu|MTU||
  vpn|VPN id||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
neighbor|Neighbor|k||
  a.b.c.d|Neighbor address|k/n||
    <cr>||||
    !
    line|encapsulation and options|lb/le/wa/o/n||
      <cr>||||
      !
    !
  !
!
