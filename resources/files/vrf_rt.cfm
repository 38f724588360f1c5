// Shared: "route-target" of a VRF: the direction, then the extended
// community (ASN:nn, A.B.C.D:nn or ASN.ASN:nn).
#|direction|k||
  both|Both import and export Target-VPN community||
  export|Export Target-VPN community||
  import|Import Target-VPN community||
#|||
  #|route target|k/n||
    aa:nn|ASN:nn or IP-address:nn||
    <1.0:0-65535.65535:65535>|ASN in asdot notation:nn||
  #|||
    <cr>||||
    !
    stitching|VXLAN route target|||
      <cr>||||
      !
    !
  !
!
