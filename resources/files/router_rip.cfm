// RIP router configuration mode "(config-router)#".
address-family|Enter Address Family command mode|k||
  ipv4|Address family|k||
    vrf|Specify parameters for a VPN Routing/Forwarding instance|||
      word|VPN Routing/Forwarding instance name|k/n||
        <cr>||||@(config-router-af)# router_rip_af.cfm
        !
      !
    !
  !
!
auto-summary|Enable automatic network number summarization|k/o/sb||
  <cr>||||
  !
!
default-information|Control distribution of default information|k||
  originate|Distribute a default route|k/o/n||
    <cr>||||
    !
    line|route-map|lb/le/wa||
      <cr>||||
      !
    !
  !
!
default-metric|Set metric of redistributed routes|k/o/n||
  <1-4294967295>|Default metric|||
    <cr>||||
    !
  !
!
distance|Define an administrative distance|k||
  <1-255>|Administrative distance|k/o/n||
    <cr>||||
    !
    line|source address, wildcard and access list|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
distribute-list|Filter networks in routing updates|k||
  line|list and direction|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
maximum-paths|Forward packets over multiple paths|k/o/n||
  <1-32>|Number of paths|||
    <cr>||||
    !
  !
!
neighbor|Specify a neighbor router|k||
  a.b.c.d|Neighbor address|k/n||
    <cr>||||
    !
  !
!
network|Enable routing on an IP network|k||
  a.b.c.d|Network number|k/n||
    <cr>||||
    !
  !
!
offset-list|Add or subtract offset from RIP metrics|k||
  line|access list, direction, offset and interface|lb/le/wa/k/n||
    <cr>||||
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
redistribute|Redistribute information from another routing protocol|k||&redistribute.cfm
!
timers|Adjust routing timers|k||
  basic|Basic routing protocol update timers|k/o/n||
    line|update, invalid, holddown and flush|lb/le/wa||
      <cr>||||
      !
    !
  !
!
validate-update-source|Perform sanity checks against source address of routing updates|k/o/sb||
  <cr>||||
  !
!
version|Set routing protocol version|k/o/n||
  #|version|||
    1|RIP version 1||
    2|RIP version 2||
  #|||
    <cr>||||
    !
  !
!
