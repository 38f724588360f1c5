// IPv6 EIGRP router configuration mode "(config-rtr)#", entered with
// "ipv6 router eigrp <1-65535>" (classic EIGRP for IPv6). The process is
// enabled on interfaces with "ipv6 eigrp <1-65535>"; it has no network
// statement and filters with "distribute-list prefix-list" only.
default-metric|Set metric of redistributed routes|k/o/n||&eigrp_metric5.cfm
!
distance|Define an administrative distance|k||
  eigrp|IPv6-EIGRP distance|k/o/n||
    <1-255>|Distance for internal routes|||
      <1-255>|Distance for external routes|||
        <cr>||||
        !
      !
    !
  !
!
distribute-list|Filter networks in routing updates|k||
  prefix-list|Filter prefixes in routing updates|k||
    word|Name of an IPv6 prefix-list|k||&distribute_dir.cfm
    !
  !
!
eigrp|EIGRP specific commands|k||
  router-id|router-id for this EIGRP process|k/o/n||
    a.b.c.d|EIGRP Router-ID in IP address format|||
      <cr>||||
      !
    !
  !
  log-neighbor-changes|Enable/Disable IPv6-EIGRP neighbor logging|k/o/sb||
    <cr>||||
    !
  !
  log-neighbor-warnings|Enable/Disable IPv6-EIGRP neighbor warnings|k/o/sb||
    <cr>||||
    !
    <1-65535>|Neighbor warning interval in seconds|||
      <cr>||||
      !
    !
  !
  stub|Set IPv6-EIGRP as stubbed router|k/o/n||&eigrp_stub_opt.cfm
  !
!
maximum-paths|Forward packets over multiple paths|k/o/n||
  <1-32>|Number of paths|||
    <cr>||||
    !
  !
!
metric|Modify metrics and parameters for advertisement|k||
  maximum-hops|Advertise IPv6-EIGRP routes greater than specified hop count as unreachable|k/o/n||
    <1-255>|Hop count|||
      <cr>||||
      !
    !
  !
  weights|Modify IPv6-EIGRP routing metric|k/o/n||&eigrp_weights.cfm
  !
!
neighbor|Specify a neighbor router|k||
  word|IPv6 link-local address|k/n||
    &interfacefile.cfm|Interface type|k||
      <slot/port>|interface number|k/n||
        <cr>||||
        !
      !
    !
  !
!
passive-interface|Suppress routing updates on an interface|k||
  default|Suppress routing updates on all interfaces|k/o/sb||
    <cr>||||
    !
  !
  &interfacefile.cfm|Interface type|k||
    <slot/port>|interface number|k/n/sb/o||
      <cr>||||
      !
    !
  !
!
redistribute|Redistribute IPv6 prefixes from another routing protocol|k||&redistribute.cfm
!
shutdown|Shutdown this instance of IPv6-EIGRP|k/o/sb||
  <cr>||||
  !
!
timers|Adjust routing timers|k||
  active-time|EIGRP time limit for active state|k/o/n||
    <1-65535>|EIGRP active-state time limit in minutes|||
      <cr>||||
      !
    !
    disabled|disable EIGRP time limit for active state|||
      <cr>||||
      !
    !
  !
!
variance|Control load balancing variance|k/o/n||
  <1-128>|Metric variance multiplier|||
    <cr>||||
    !
  !
!
