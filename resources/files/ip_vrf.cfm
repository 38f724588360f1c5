// IP VRF mode "(config-vrf)#" ("ip vrf NAME").
description|VRF specific description|k/o/n||
  line|Up to 244 characters describing this VRF|lb/le/wa||
    <cr>||||
    !
  !
!
export|VRF export|k||
  map|Route-map based VRF export|k/o/n||
    word|Route-map name|||
      <cr>||||
      !
    !
  !
!
import|VRF import|k||
  map|Route-map based VRF import|k/o/n||
    word|Route-map name|||
      <cr>||||
      !
    !
  !
!
maximum|Set a limit|k||&vrf_maximum.cfm
!
rd|Specify Route Distinguisher|k/o/n||&vrf_rd.cfm
!
route-target|Specify Target VPN Extended Communities|k||&vrf_rt.cfm
!
mdt|Multicast distribution tree|k||
  default|The default group|k/o/n||
    a.b.c.d|IP multicast group address|||
      <cr>||||
      !
    !
  !
!
vpn|Configure VPN ID|k||
  id|Configure VPN ID in rfc2685 format|k/o/n||
    oui:vpn-index|VPN ID, (OUI:VPN-Index) format|||
      <cr>||||
      !
    !
  !
!
