// Shared: "import" or "export" of a VRF address family.
map|Route-map based VRF import or export|k/o/n||
  word|Route-map name|||
    <cr>||||
    !
  !
!
#|address family|k||
  ipv4|Address family||
  ipv6|Address family||
#|||
  #|modifier|k||
    unicast|Unicast prefixes||
    multicast|Multicast prefixes||
  #|||
    <1-2147483647>|Prefix limit|k||
      map|Route-map based VRF import or export|k/o/n||
        word|Route-map name|||
          <cr>||||
          !
          allow-evpn|Allow EVPN routes|||
            <cr>||||
            !
          !
        !
      !
    !
    map|Route-map based VRF import or export|k/o/n||
      word|Route-map name|||
        <cr>||||
        !
        allow-evpn|Allow EVPN routes|||
          <cr>||||
          !
        !
      !
    !
  !
!
