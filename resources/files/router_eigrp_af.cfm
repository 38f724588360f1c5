// EIGRP address family mode "(config-router-af)#" (named mode).
af-interface|Enter Address Family interface configuration|k||
  default|Address Family default interface configuration|k/n||
    <cr>||||@(config-router-af-interface)# router_eigrp_afif.cfm
    !
  !
  &interfacefile.cfm|Interface type|k||
    <slot/port>|interface number|k/n||
      <cr>||||@(config-router-af-interface)# router_eigrp_afif.cfm
      !
    !
  !
!
autonomous-system|Specify Address-Family Autonomous System Number|k/o/n||
  <1-65535>|Autonomous System|||
    <cr>||||
    !
  !
!
default-metric|Set metric of redistributed routes|k/o/n||&eigrp_metric5.cfm
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
  default-route-tag|Default route tag|k/o/n||
    <0-4294967295>|Tag|||
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
  log-neighbor-warnings|Enable/Disable EIGRP neighbor warnings|k/o/sb||
    <cr>||||
    !
    <1-65535>|Neighbor warning interval in seconds|||
      <cr>||||
      !
    !
  !
!
exit-address-family|Exit from Address Family configuration mode|k||
  <cr>||||
  !
!
metric|Modify metrics and parameters for address advertisement|k||
  maximum-hops|Advertise IP-EIGRP routes greater than specified hop count as unreachable|k/o/n||
    <1-255>|Hop count|||
      <cr>||||
      !
    !
  !
  weights|Modify metric coefficients|k/o/n||&eigrp_weights.cfm
  !
  version|Set metric version|k/o/n||
    #|version|||
      32bit|32-bit metric||
      64bit|64-bit metric||
    #|||
      <cr>||||
      !
    !
  !
  rib-scale|Set scaling value for RIB installation|k/o/n||
    <1-255>|Scaling factor|||
      <cr>||||
      !
    !
  !
!
neighbor|Specify an IPv4 neighbor router|k||
  a.b.c.d|Neighbor address|k/n||
    &interfacefile.cfm|Interface type|k||
      <slot/port>|Interface number|k/n||
        <cr>||||
        !
        remote|Remote neighbor (multihop)|o/n||
          <1-255>|Maximum hops|||
            <cr>||||
            !
            lisp-encap|Use LISP encapsulation|||
              <cr>||||
              !
            !
          !
        !
      !
    !
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
remote-neighbors|Remote neighbors|k||
  source|Source interface for remote neighbors|k||
    &interfacefile.cfm|Interface type|k||
      <slot/port>|Interface number|k||
        #|neighbors|k/o/n||&eigrp_remote_opt.cfm
          unicast-listen|Listen for unicast remote neighbors||
          multicast-group|Use a multicast group for remote neighbors||
        #|||
        !
      !
    !
  !
!
shutdown|Shutdown address family|k||
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
topology|Topology configure mode|k||
  base|Base topology|k/n||
    <cr>||||@(config-router-af-topology)# router_eigrp_topology.cfm
    !
  !
  word|Topology name|k/n||
    tid|Topology ID|||
      <1-65535>|Topology ID number|n||
        <cr>||||@(config-router-af-topology)# router_eigrp_topology.cfm
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
!
variance|Control load balancing variance|k/o/n||
  <1-128>|Metric variance multiplier|||
    <cr>||||
    !
  !
!
