// VRF address family mode "(config-vrf-af)#".
exit-address-family|Exit from Address Family configuration mode|k||
  <cr>||||
  !
!
export|VRF export|k||
  map|Route-map based VRF export|k/o/n||
    word|Route-map name|||
      <cr>||||
      !
    !
  !
  line|other export settings|lb/le/wa/k/o/n||
    <cr>||||
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
  line|other import settings|lb/le/wa/k/o/n||
    <cr>||||
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
