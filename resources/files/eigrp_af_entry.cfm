// "address-family ipv4 or ipv6" of EIGRP: the modifier, VRF and autonomous system.
<cr>||||@(config-router-af)# router_eigrp_af.cfm
!
#|modifier|k||
  unicast|Address Family modifier||
  multicast|Address Family modifier||
#|||
  <cr>||||@(config-router-af)# router_eigrp_af.cfm
  !
  vrf|Specify a specific virtual routing table|||
    word|Virtual Routing Table|k/n||
      <cr>||||@(config-router-af)# router_eigrp_af.cfm
      !
      autonomous-system|Specify Address-Family Autonomous System Number|||
        <1-65535>|Autonomous System Number|k/n||
          <cr>||||@(config-router-af)# router_eigrp_af.cfm
          !
        !
      !
    !
  !
  autonomous-system|Specify Address-Family Autonomous System Number|||
    <1-65535>|Autonomous System Number|k/n||
      <cr>||||@(config-router-af)# router_eigrp_af.cfm
      !
    !
  !
!
vrf|Specify a specific virtual routing table|||
  word|Virtual Routing Table|k/n||
    <cr>||||@(config-router-af)# router_eigrp_af.cfm
    !
    autonomous-system|Specify Address-Family Autonomous System Number|||
      <1-65535>|Autonomous System Number|k/n||
        <cr>||||@(config-router-af)# router_eigrp_af.cfm
        !
      !
    !
  !
!
autonomous-system|Specify Address-Family Autonomous System Number|||
  <1-65535>|Autonomous System Number|k/n||
    <cr>||||@(config-router-af)# router_eigrp_af.cfm
    !
  !
!
