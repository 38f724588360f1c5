// EIGRP router configuration mode "(config-router)#": classic mode
// ("router eigrp 10") and named mode ("router eigrp NAME" with address
// families).
address-family|Enter Address Family command mode|k||
  #|Address family|k||&eigrp_af_entry.cfm
    ipv4|Address family IPv4||
    ipv6|Address family IPv6||
  #|||
  !
!
auto-summary|Enable automatic network number summarization|k/o/sb||
  <cr>||||
  !
!
bfd|BFD configuration commands|k||
  all-interfaces|Enable BFD on all interfaces|k/o/sb||
    <cr>||||
    !
  !
  interface|Enable BFD on a specific interface|k||
    &interfacefile.cfm|Interface type|k||
      <slot/port>|Interface number|k/n||
        <cr>||||
        !
      !
    !
  !
!
default-information|Control distribution of default information|k||
  #|direction|k/o/sb||
    in|Accept input default routing information||
    out|Output default routing information||
  #|||
    <cr>||||
    !
    #|access list|||
      <1-99>|A standard IP access list number||
      <1300-1999>|A standard expanded IP access list number||
      word|Standard Access-list name||
    #|||
      <cr>||||
      !
    !
  !
!
default-metric|Set metric of redistributed routes|k/o/n||
  <1-4294967295>|Bandwidth in Kbits per second|||
    <0-4294967295>|Delay metric, in 10 microsecond units|||
      <0-255>|Reliability metric where 255 is 100% reliable|||
        <1-255>|Effective bandwidth metric (Loading) where 255 is 100% loaded|||
          <1-65535>|Maximum Transmission Unit metric of the path|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
distance|Define an administrative distance|k||
  <1-255>|Administrative distance|k/o/n||
    <cr>||||
    !
    a.b.c.d|IP Source address|k/n||
      a.b.c.d|Wildcard bits|k/n||
        <cr>||||
        !
        #|access list|k/n||
          <1-99>|IP Standard access list number||
          <1300-1999>|IP Standard expanded access list number||
          word|Standard access-list name||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
  eigrp|IP-EIGRP distance|k/o/n||
    <1-255>|Distance for internal routes|||
      <1-255>|Distance for external routes|||
        <cr>||||
        !
      !
    !
  !
!
distribute-list|Filter networks in routing updates|k||&distribute_list.cfm
!
eigrp|EIGRP specific commands|k||
  router-id|router-id for this EIGRP process|k/o/n||
    a.b.c.d|EIGRP Router-ID in IP address format|||
      <cr>||||
      !
    !
  !
  log-neighbor-changes|Enable/Disable EIGRP neighbor logging|k/o/sb||
    <cr>||||
    !
  !
  log-neighbor-warnings|Enable/Disable EIGRP neighbor warnings|k/o/sb||
    <cr>||||
    !
    <1-65535>|Neighbor warning interval in seconds|||
      <cr>||||
      !
    !
  !
  event-log-size|Set EIGRP Event log size|k/o/n||
    <0-4294967295>|Event log size|||
      <cr>||||
      !
    !
  !
  stub|Set IP-EIGRP as stubbed router|k/o/n||&eigrp_stub_opt.cfm
  !
  default-route-tag|Default route tag|k/o/n||
    <0-4294967295>|Tag|||
      <cr>||||
      !
    !
  !
  graceful-restart|Graceful restart|k/o/sb||
    <cr>||||
    !
  !
!
exit-address-family|Exit from Address Family configuration mode|k||
  <cr>||||
  !
!
exit-service-family|Exit from Service Family configuration mode|k||
  <cr>||||
  !
!
maximum-paths|Forward packets over multiple paths|k/o/n||
  <1-32>|Number of paths|||
    <cr>||||
    !
  !
!
metric|Modify metrics and parameters for advertisement|k||
  maximum-hops|Advertise IP-EIGRP routes greater than specified hop count as unreachable|k/o/n||
    <1-255>|Hop count|||
      <cr>||||
      !
    !
  !
  weights|Modify IP-EIGRP routing metric|k/o/n||&eigrp_weights.cfm
  !
!
network|Enable routing on an IP network|k||
  a.b.c.d|Network number|k/n||
    <cr>||||
    !
    a.b.c.d|EIGRP wild card bits|k/n||
      <cr>||||
      !
    !
  !
!
neighbor|Specify a neighbor router|k||
  a.b.c.d|Neighbor address|k/n||
    &interfacefile.cfm|Interface type|k||
      <slot/port>|interface number|k/n||
        <cr>||||
        !
      !
    !
  !
!
nsf|Non-stop forwarding|k/o/sb||
  <cr>||||
  !
!
offset-list|Add or subtract offset from EIGRP metrics|k||&eigrp_offset_list.cfm
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
redistribute|Redistribute information from another routing protocol|k||&redistribute.cfm
!
service-family|Enter Service Family command mode|k||
  #|Service family|k||
    ipv4|Service family IPv4||
    ipv6|Service family IPv6||
  #|||
    <cr>||||@(config-router-sf)# router_eigrp_sf.cfm
    !
    vrf|Specify a specific virtual routing table|||
      word|Virtual Routing Table|k/n||
        autonomous-system|Specify Service-Family Autonomous System Number|||
          <1-65535>|Autonomous System Number|k/n||
            <cr>||||@(config-router-sf)# router_eigrp_sf.cfm
            !
          !
        !
      !
    !
    autonomous-system|Specify Service-Family Autonomous System Number|||
      <1-65535>|Autonomous System Number|k/n||
        <cr>||||@(config-router-sf)# router_eigrp_sf.cfm
        !
      !
    !
  !
!
shutdown|Shutdown this instance of EIGRP|k||
  <cr>||||
  !
!
summary-metric|Summary metric|k||&eigrp_summary_metric.cfm
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
  graceful-restart|Graceful restart timers|k||
    purge-time|Purge time|k/o/n||
      <20-300>|Seconds|||
        <cr>||||
        !
      !
    !
  !
  nsf|NSF timers|k||
    #|timer|k/o/n||
      converge|Convergence time||
      signal|Signal time||
      route-hold|Route hold time||
    #|||
      <10-600>|Seconds|||
        <cr>||||
        !
      !
    !
  !
!
traffic-share|How to compute traffic share over alternate paths|k||
  balanced|Share inversely proportional to metric|k/o/sb||
    <cr>||||
    !
  !
  min|All traffic shared among min metric paths|k/o/n||
    across-interfaces|Use different interfaces for equal-cost paths|||
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
