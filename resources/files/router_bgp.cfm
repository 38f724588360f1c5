// BGP router configuration mode "(config-router)#".  The commands BGP also
// accepts in an address family are in bgp_common.cfm, grafted beside these
// ("&bgp_common.cfm" on the entering line).
address-family|Enter Address Family command mode|k||
  #|Address family|k||
    ipv4|Address family IPv4||
    ipv6|Address family IPv6||
    vpnv4|Address family VPNv4||
    vpnv6|Address family VPNv6||
    l2vpn|Address family L2VPN||
    nsap|Address family NSAP||
  #|||
    <cr>||||&bgp_common.cfm @(config-router-af)# router_bgp_af.cfm
    !
    #|Sub address family|k||
      unicast|Address Family modifier||
      multicast|Address Family modifier||
      flowspec|Address Family modifier||
      mdt|Address Family modifier||
      vpls|Address Family modifier||
      evpn|Address Family modifier||
    #|||
      <cr>||||&bgp_common.cfm @(config-router-af)# router_bgp_af.cfm
      !
      vrf|Specify parameters for a VPN Routing/Forwarding instance|||
        word|VPN Routing/Forwarding instance name|k/n||
          <cr>||||&bgp_common.cfm @(config-router-af)# router_bgp_af.cfm
          !
        !
      !
    !
    vrf|Specify parameters for a VPN Routing/Forwarding instance|||
      word|VPN Routing/Forwarding instance name|k/n||
        <cr>||||&bgp_common.cfm @(config-router-af)# router_bgp_af.cfm
        !
      !
    !
  !
!
isolate|Isolate the process (maintenance mode)|k/o/sb||
  <cr>||||
  !
!
template|Enter template command mode|k||
  #|template type|k||
    peer-policy|Template configuration for policy parameters||
    peer-session|Template configuration for session parameters||
  #|||
    word|Name of template|k/n||
      <cr>||||&bgp_nbr_settings.cfm @(config-router-stmp)# router_bgp_template.cfm
      !
    !
  !
!
timers|Adjust routing timers|k||
  bgp|BGP timers|k/o/n||
    <0-65535>|Keepalive interval|||
      <0-65535>|Holdtime|||
        <cr>||||
        !
        <0-65535>|Minimum hold time from neighbor|||
          <cr>||||
          !
        !
      !
    !
  !
!
