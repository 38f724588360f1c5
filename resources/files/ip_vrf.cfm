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
maximum|Set a limit|k||
  routes|Maximum number of routes allowed in this routing table|k/o/n||
    line|limit and threshold|lb/le/wa||
      <cr>||||
      !
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
