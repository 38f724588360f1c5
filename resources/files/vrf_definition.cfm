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
rd|Specify Route Distinguisher|k/o/n||
  word|ASN:nn or IP-address:nn|||
    <cr>||||
    !
  !
!
route-target|Specify Target VPN Extended Communities|k||
  #|direction|k||
    both|Both import and export Target-VPN community||
    export|Export Target-VPN community||
    import|Import Target-VPN community||
  #|||
    word|ASN:nn or IP-address:nn|k/n||
      <cr>||||
      !
    !
  !
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
    word|VPN ID, (OUI:VPN-Index) format|||
      <cr>||||
      !
    !
  !
!
