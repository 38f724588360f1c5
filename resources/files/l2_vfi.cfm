// Layer 2 VFI mode "(config-vfi)#".
#|setting|k/o/n||
  mtu|MTU||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
bridge-domain|Bridge domain|k/o/n||
  <1-16384>|Bridge domain number|||
    <cr>||||
    !
  !
!
vpn|VPN id|k/o/n||
  id|VPN id|||
    <1-4294967295>|VPN id value|||
      <cr>||||
      !
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
