// Device tracking policy mode "(config-device-tracking)#".
security-level|Security level|k/o/n||
  #|level|||
    glean|Glean addresses passively||
    guard|Inspect and drop unauthorized messages (default)||
    inspect|Inspect messages||
  #|||
    <cr>||||
    !
  !
!
device-role|Role of the device attached to the port|k/o/n||
  #|role|||
    node|Attached to a node||
    switch|Attached to a switch||
  #|||
    <cr>||||
    !
  !
!
limit|Limit settings|k||
  address-count|Limit addresses per port|k/o/n||
    <1-32000>|Number of addresses|||
      <cr>||||
      !
    !
    #|family|||
      ipv4-per-mac|IPv4 addresses per MAC||
      ipv6-per-mac|IPv6 addresses per MAC||
    #|||
      <1-32000>|Number of addresses|||
        <cr>||||
        !
      !
    !
  !
!
protocol|Protocols to glean from|k||
  #|protocol|k/o/sb||
    arp|Glean from ARP||
    dhcp4|Glean from DHCPv4||
    dhcp6|Glean from DHCPv6||
    ndp|Glean from NDP||
    udp|Glean from UDP||
  #|||
    <cr>||||
    !
    prefix-list|Glean only addresses in the prefix list|||
      word|Prefix list name|||
        <cr>||||
        !
      !
    !
  !
!
tracking|Tracking of the bindings|k/o/n||
  #|state|||
    enable|Enable tracking||
    disable|Disable tracking||
  #|||
    <cr>||||
    !
    reachable-lifetime|Reachable lifetime|||
      <1-86400>|Seconds|||
        <cr>||||
        !
      !
      infinite|Never expire|||
        <cr>||||
        !
      !
    !
  !
!
trusted-port|Set the port as trusted|k/o/sb||
  <cr>||||
  !
!
data-glean|Glean addresses from data traffic|k/o/sb||
  <cr>||||
  !
  #|kind|||
    log-only|Only log||
    recovery|Recover the binding||
  #|||
    <cr>||||
    !
  !
!
destination-glean|Glean destination addresses|k/o/n||
  #|kind|||
    log-only|Only log||
    recovery|Recover the binding||
  #|||
    <cr>||||
    !
    dhcp|Recover by DHCP|||
      <cr>||||
      !
    !
  !
!
description|Policy description|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
