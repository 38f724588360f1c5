// VLAN feature configuration mode "(config-vlan-config)#".
device-tracking|Device tracking on the VLANs|k/o/sb||
  <cr>||||
  !
  attach-policy|Attach a device tracking policy|||
    word|Policy name|||
      <cr>||||
      !
    !
  !
!
ipv6|IPv6 settings|k||
  nd|Neighbor discovery|k||
    raguard|RA guard|k||
      attach-policy|Attach an RA guard policy|k/o/n||
        word|Policy name|||
          <cr>||||
          !
        !
      !
    !
  !
  dhcp|DHCPv6|k||
    guard|DHCPv6 guard|k||
      attach-policy|Attach a DHCPv6 guard policy|k/o/n||
        word|Policy name|||
          <cr>||||
          !
        !
      !
    !
  !
!
member|Member settings|k||
  evpn-instance|EVPN instance|k/o/n||
    <1-65535>|EVPN instance identifier|||
      <cr>||||
      !
      vni|VXLAN network identifier|||
        <4096-16777215>|VNI|||
          <cr>||||
          !
        !
      !
    !
  !
  vni|VXLAN network identifier|k/o/n||
    <4096-16777215>|VNI|||
      <cr>||||
      !
    !
  !
!
