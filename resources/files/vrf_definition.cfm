// VRF definition mode "(config-vrf)#".
address-family|Enter Address Family command mode|k||
  #|Address family|k||
    ipv4|Address family||
    ipv6|Address family||
  #|||
    <cr>||||@(config-vrf-af)# vrf_definition_af.cfm
    !
    #|Address family modifier|k||
      unicast|Address Family Modifier||
      multicast|Address Family Modifier||
    #|||
      <cr>||||@(config-vrf-af)# vrf_definition_af.cfm
      !
    !
  !
!
description|VRF specific description|k/o/n||
  line|Up to 244 characters describing this VRF|lb/le/wa||
    <cr>||||
    !
  !
!
rd|Specify Route Distinguisher|k/o/n||&vrf_rd.cfm
!
route-target|Specify Target VPN Extended Communities|k||&vrf_rt.cfm
!
vnet|Virtual network|k||
  tag|Tag|k/o/n||
    <2-4094>|Tag value|||
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
#|address family|k||
  ipv4|IPv4 settings||
  ipv6|IPv6 settings||
#|||
  multicast|Multicast settings|k||
    multitopology|Multicast multitopology|k/o/sb||
      <cr>||||
      !
    !
  !
!
