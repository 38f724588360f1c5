// OSPFv3 router configuration mode "(config-router)#": the commands of
// router_ospf.cfm (grafted beside these on the entering line) and the
// address families.
address-family|Enter Address Family command mode|k||
  #|Address family|k||
    ipv4|Address family||
    ipv6|Address family||
  #|||
    unicast|Address Family modifier|k||
      <cr>||||@(config-router-af)# router_ospfv3_af.cfm
      !
      vrf|Specify parameters for a VPN Routing/Forwarding instance|||
        word|VPN Routing/Forwarding instance name|k/n||
          <cr>||||@(config-router-af)# router_ospfv3_af.cfm
          !
        !
      !
    !
  !
!
