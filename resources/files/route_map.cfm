// Route-map entry mode "(config-route-map)#".  A "match" of the same kind
// gathers its values into one line ("m"); a "set" replaces its value ("o").
continue|Continue on a different entry within the route-map|k/o/sb||
  <cr>||||
  !
  <0-65535>|Route-map entry sequence number|||
    <cr>||||
    !
  !
!
description|Route-map comment|k/o/n||
  line|Comment up to 100 characters|lb/le/wa||
    <cr>||||
    !
  !
!
match|Match values from routing table|k||
  as-path|Match BGP AS path list|k||
    word|AS path access-list|lb/le/m/n||
      <cr>||||
      !
    !
  !
  community|Match BGP community list|k||
    word|Community-list number or name|lb/le/m/n||
      <cr>||||
      !
      exact-match|Do exact matching of communities|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  extcommunity|Match BGP/VPN extended community list|k||
    word|Extended community-list number or name|lb/le/m/n||
      <cr>||||
      !
    !
  !
  interface|Match first hop interface of route|k||
    &interfacefile.cfm|Interface type|k||
      <slot/port>|interface number|lb/le/m/n||
        <cr>||||
        !
      !
    !
  !
  ip|IP specific information|k||
    address|Match address of route or match packet|k||
      word|IP access-list number or name|lb/le/m/n||
        <cr>||||
        !
      !
      prefix-list|Match entries of prefix-lists|k||
        word|IP prefix-list name|lb/le/m/n||
          <cr>||||
          !
        !
      !
    !
    next-hop|Match next-hop address of route|k||
      word|IP access-list number or name|lb/le/m/n||
        <cr>||||
        !
      !
      prefix-list|Match entries of prefix-lists|k||
        word|IP prefix-list name|lb/le/m/n||
          <cr>||||
          !
        !
      !
    !
    route-source|Match advertising source address of route|k||
      word|IP access-list number or name|lb/le/m/n||
        <cr>||||
        !
      !
      prefix-list|Match entries of prefix-lists|k||
        word|IP prefix-list name|lb/le/m/n||
          <cr>||||
          !
        !
      !
    !
    multicast|Match multicast information|k||
      line|group, source or rp|lb/le/wa/o/n||
        <cr>||||
        !
      !
    !
  !
  ipv6|IPv6 specific information|k||
    line|what to match|lb/le/wa/k/o/n||
      <cr>||||
      !
    !
  !
  length|Packet length|k/o/n||
    <0-2147483647>|Minimum packet length|||
      <0-2147483647>|Maximum packet length|||
        <cr>||||
        !
      !
    !
  !
  local-preference|Local preference for route|k||
    <0-4294967295>|Local preference value|lb/le/m/n||
      <cr>||||
      !
    !
  !
  metric|Match metric of route|k/o/n||
    <0-4294967295>|Metric value|||
      <cr>||||
      !
      line|deviation|lb/le/wa||
        <cr>||||
        !
      !
    !
    external|Match external metric of route|||
      <0-4294967295>|Metric value|||
        <cr>||||
        !
      !
    !
  !
  mpls-label|Match routes which have MPLS labels|k/o/sb||
    <cr>||||
    !
  !
  policy-list|Match IP policy list|k||
    word|IP policy list name|lb/le/m/n||
      <cr>||||
      !
    !
  !
  route-type|Match route-type of route|k||
    #|route type|lb/le/m/n||
      external|external route (BGP, EIGRP and OSPF type 1/2)||
      internal|internal route (including OSPF intra/inter area)||
      level-1|IS-IS level-1 route||
      level-2|IS-IS level-2 route||
      local|locally generated route||
      nssa-external|nssa-external route (OSPF type 1/2)||
      type-1|OSPF external type 1 route||
      type-2|OSPF external type 2 route||
    #|||
      <cr>||||
      !
    !
  !
  rpki|Match RPKI state of route|k/o/n||
    line|state|lb/le/wa||
      <cr>||||
      !
    !
  !
  security-group|Security group|k||
    line|source or destination tags|lb/le/wa/k/o/n||
      <cr>||||
      !
    !
  !
  source-protocol|Match source-protocol of route|k/o/n||
    line|protocols and process numbers|lb/le/wa||
      <cr>||||
      !
    !
  !
  tag|Match tag of route|k||
    <0-4294967295>|Tag value|lb/le/m/n||
      <cr>||||
      !
    !
  !
!
set|Set values in destination routing protocol|k||
  as-path|Prepend string for a BGP AS-path attribute|k||
    prepend|Prepend to the as-path|k/o/n||
      line|AS numbers or last-as|lb/le/wa||
        <cr>||||
        !
      !
    !
    tag|Set the tag as an AS-path attribute|k/o/sb||
      <cr>||||
      !
    !
  !
  automatic-tag|Automatically compute TAG value|k/o/sb||
    <cr>||||
    !
  !
  comm-list|set BGP community list (for deletion)|k/o/n||
    word|Community-list name or number|||
      delete|Delete matching communities|||
        <cr>||||
        !
      !
    !
  !
  community|BGP community attribute|k/o/n||
    line|community numbers (aa:nn), well-known communities, additive or none|lb/le/wa||
      <cr>||||
      !
    !
  !
  dampening|Set BGP route flap dampening parameters|k/o/n||
    line|half-life, reuse, suppress and maximum|lb/le/wa||
      <cr>||||
      !
    !
  !
  default|Set default information|k||
    interface|Default output interface|k/o/n||
      line|interfaces|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  extcommunity|BGP extended community attribute|k||
    #|extended community type|k/o/n||
      rt|Route Target extended community||
      soo|Site-of-Origin extended community||
      cost|Cost extended community||
      vpn-distinguisher|VPN distinguisher||
    #|||
      line|values and additive|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  global|Set to global routing table|k/o/sb||
    <cr>||||
    !
  !
  interface|Output interface|k/o/n||
    line|interfaces|lb/le/wa||
      <cr>||||
      !
    !
  !
  ip|IP specific information|k||
    address|Specify IP address|k||
      prefix-list|Prefix list|k/o/n||
        word|Prefix list name|||
          <cr>||||
          !
        !
      !
    !
    default|Set default information|k||
      next-hop|Next hop along path|k/o/n||
        line|next hop addresses|lb/le/wa||
          <cr>||||
          !
        !
      !
      interface|Default output interface|k/o/n||
        line|interfaces|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    next-hop|Next hop address|k/o/n||
      a.b.c.d|IP address of next hop|lb/le/wa||
        <cr>||||
        !
      !
      #|next hop keyword|||
        peer-address|Use peer address (for BGP only)||
        self|Use self address (for BGP only)||
        unchanged|Propagate next hop unchanged||
        recursive|Recursive next-hop||
        dynamic|application dynamically sets next hop||
        verify-availability|Verify if nexthop is a CDP neighbor||
      #|||
        <cr>||||
        !
        line|addresses and options|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    precedence|Set precedence field|k/o/n||
      line|precedence|lb/le/wa||
        <cr>||||
        !
      !
    !
    df|Set DF bit|k/o/n||
      <0-1>|DF bit|||
        <cr>||||
        !
      !
    !
    tos|Set type of service field|k/o/n||
      line|type of service|lb/le/wa||
        <cr>||||
        !
      !
    !
    vrf|VRF name|k/o/n||
      line|vrf and next hop|lb/le/wa||
        <cr>||||
        !
      !
    !
    global|global routing table|k/o/n||
      line|next hop|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  ipv6|IPv6 information|k||
    line|settings|lb/le/wa/k/o/n||
      <cr>||||
      !
    !
  !
  level|Where to import route|k/o/n||
    #|level|||
      backbone|Import into OSPF backbone area||
      level-1|Import into a level-1 area||
      level-1-2|Import into level-1 and level-2||
      level-2|Import into level-2 sub-domain||
      nssa-only|Limit redistributed routes to NSSA areas||
      stub-area|Import into OSPF NSSA area||
    #|||
      <cr>||||
      !
    !
  !
  local-preference|BGP local preference path attribute|k/o/n||
    <0-4294967295>|Preference value|||
      <cr>||||
      !
    !
  !
  metric|Metric value for destination routing protocol|k/o/n||
    +/-<metric>|Add or subtract metric|||
      <cr>||||
      !
    !
    <0-4294967295>|Metric value or Bandwidth in Kbits per second|||
      <cr>||||
      !
      line|delay, reliability, loading and MTU|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  metric-type|Type of metric for destination routing protocol|k/o/n||
    #|metric type|||
      external|IS-IS external metric||
      internal|Use IGP metric as the MED for BGP||
      type-1|OSPF external type 1 metric||
      type-2|OSPF external type 2 metric||
    #|||
      <cr>||||
      !
    !
  !
  mpls-label|Set MPLS label for prefix|k/o/sb||
    <cr>||||
    !
  !
  nlri|BGP NLRI type|k/o/n||
    #|NLRI type|lb/le/wa||
      multicast|Multicast NLRI type||
      unicast|Unicast NLRI type||
    #|||
      <cr>||||
      !
    !
  !
  origin|BGP origin code|k/o/n||
    #|origin|||
      egp|remote EGP||
      igp|local IGP||
      incomplete|unknown heritage||
    #|||
      <cr>||||
      !
      line|EGP AS number|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  tag|Tag value for destination routing protocol|k/o/n||
    <0-4294967295>|Tag value|||
      <cr>||||
      !
    !
  !
  traffic-index|BGP traffic classification number for accounting|k/o/n||
    <1-8>|Bucket number|||
      <cr>||||
      !
    !
  !
  vrf|Define VRF name|k/o/n||
    word|VPN Routing/Forwarding instance name|||
      <cr>||||
      !
    !
  !
  weight|BGP weight for routing table|k/o/n||
    <0-65535>|Weight value|||
      <cr>||||
      !
    !
  !
!
