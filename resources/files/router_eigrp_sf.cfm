// EIGRP service family mode "(config-router-sf)#".
eigrp|EIGRP specific commands|k||
  log-neighbor-changes|Enable/Disable EIGRP neighbor logging|k/o/sb||
    <cr>||||
    !
  !
  router-id|router-id for this EIGRP process|k/o/n||
    a.b.c.d|EIGRP Router-ID in IP address format|||
      <cr>||||
      !
    !
  !
!
exit-service-family|Exit from Service Family configuration mode|k||
  <cr>||||
  !
!
exit-sf-interface|Exit from Service Family Interface configuration mode|k||
  <cr>||||
  !
!
metric|Modify metrics and parameters for advertisement|k||
  weights|Modify metric coefficients|k/o/n||&eigrp_weights.cfm
  !
  maximum-hops|Advertise routes greater than specified hop count as unreachable|k/o/n||
    <1-255>|Hop count|||
      <cr>||||
      !
    !
  !
!
sf-interface|Enter Service Family interface configuration|k||
  default|Service Family default interface configuration|k/n||
    <cr>||||@(config-router-sf-interface)# router_eigrp_sfif.cfm
    !
  !
  &interfacefile.cfm|Interface type|k||
    <slot/port>|interface number|k/n||
      <cr>||||@(config-router-sf-interface)# router_eigrp_sfif.cfm
      !
    !
  !
!
topology|Topology configure mode|k||
  base|Base topology|k/n||
    <cr>||||@(config-router-sf-topology)# router_eigrp_topology.cfm
    !
  !
!
