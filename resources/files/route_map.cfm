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
      #|what|k/o/n||
        group|Multicast group address||
        source|Multicast source address||
        rp|Multicast rendezvous point||
      #|||
        a.b.c.d|Address|||
          <cr>||||
          !
          a.b.c.d|Mask|||
            <cr>||||
            !
          !
        !
        a.b.c.d/<1-32>|Address and prefix length|||
          <cr>||||
          !
        !
      !
    !
  !
  ipv6|IPv6 specific information|k||
    #|what|k||
      address|Match address of route or match packet||
      next-hop|Match next-hop address of route||
      route-source|Match advertising source address of route||
    #|||
      word|IPv6 access-list name|lb/le/m/n||
        <cr>||||
        !
      !
      prefix-list|Match entries of prefix-lists|k||
        word|IPv6 prefix-list name|lb/le/m/n||
          <cr>||||
          !
        !
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
    <0-4294967295>|Metric value|lb/le/wa||
      <cr>||||
      !
      +-|Deviation from the metric|||
        <0-4294967295>|Deviation|||
          <cr>||||
          !
        !
      !
    !
    external|Match external metric of route|||
      <0-4294967295>|Metric value|lb/le/wa||
        <cr>||||
        !
        +-|Deviation from the metric|||
          <0-4294967295>|Deviation|||
            <cr>||||
            !
          !
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
    #|state|||
      invalid|RPKI invalid state||
      not-found|RPKI not-found state||
      valid|RPKI valid state||
    #|||
      <cr>||||
      !
    !
  !
  security-group|Security group|k||
    #|side|k||
      source|Source security group||
      destination|Destination security group||
    #|||
      tag|Security group tag|k||
        <2-65519>|Security group tag value|lb/le/m/n||
          <cr>||||
          !
        !
      !
    !
  !
  source-protocol|Match source-protocol of route|k||
    #|protocol|lb/le/m/n||
      connected|Connected||
      isis|ISO IS-IS||
      lisp|Locator ID Separation Protocol (LISP)||
      mobile|Mobile routes||
      rip|Routing Information Protocol (RIP)||
      static|Static routes||
    #|||
      <cr>||||
      !
    !
    #|protocol with a process|lb/n||
      bgp|Border Gateway Protocol (BGP)||
      eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)||
      ospf|Open Shortest Path First (OSPF)||
      ospfv3|OSPFv3||
    #|||
      <1-4294967295>|Process ID or autonomous system number|le/m/n||
        <cr>||||
        !
        #|protocol|lb/le/m/n||
          connected|Connected||
          isis|ISO IS-IS||
          lisp|Locator ID Separation Protocol (LISP)||
          mobile|Mobile routes||
          rip|Routing Information Protocol (RIP)||
          static|Static routes||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
  tag|Match tag of route|k||
    <0-4294967295>|Tag value|lb/le/m/n||
      <cr>||||
      !
    !
    list|Route tag list|k||
      word|Route tag list name|lb/le/m/n||
        <cr>||||
        !
      !
    !
  !
  mdt-group|Match routes corresponding to MDT group|k||
    word|IP access list of MDT groups|lb/le/m/n||
      <cr>||||
      !
    !
  !
!
set|Set values in destination routing protocol|k||
  as-path|Prepend string for a BGP AS-path attribute|k||
    prepend|Prepend to the as-path|k/o/n||
      <1-4294967295>|AS number|lb/le/wa||
        <cr>||||
        !
      !
      <1.0-65535.65535>|AS number in asdot notation|lb/le/wa||
        <cr>||||
        !
      !
      last-as|Prepend last AS to the as-path|||
        <1-10>|number of last-AS prepends|||
          <cr>||||
          !
        !
      !
    !
    tag|Set the tag as an AS-path attribute|k/o/sb||
      <cr>||||
      !
    !
    replace|Replace AS numbers of the as-path|k/o/n||
      any|Replace every AS number|||
        <cr>||||
        !
      !
      <1-4294967295>|AS number to replace|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  aigp-metric|BGP accumulated IGP metric|k/o/n||
    <0-4294967295>|Manual AIGP metric value|||
      <cr>||||
      !
    !
    igp-metric|AIGP metric from the IGP metric of the route|||
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
    &community.cfm|community number (aa:nn) or well-known community|lb/le/wa||
      <cr>||||
      !
      additive|Add to the existing community|||
        <cr>||||
        !
      !
    !
    none|No community attribute|||
      <cr>||||
      !
    !
  !
  dampening|Set BGP route flap dampening parameters|k/o/n||
    <1-45>|half-life time for the penalty|||
      <1-20000>|penalty to start reusing a route|||
        <1-20000>|penalty to start suppressing a route|||
          <1-255>|Maximum duration to suppress a stable route|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  default|Set default information|k||
    interface|Default output interface|k/o/n||&rm_interfaces.cfm
    !
  !
  extcomm-list|Set BGP/VPN extended community list (for deletion)|k/o/n||
    <1-500>|Extended community-list number|||
      delete|Delete matching extended communities|||
        <cr>||||
        !
      !
    !
    word|Extended community-list name|||
      delete|Delete matching extended communities|||
        <cr>||||
        !
      !
    !
  !
  extcommunity|BGP extended community attribute|k||
    rt|Route Target extended community|k/o/n||
      #|route target|lb/le/wa||
        aa:nn|VPN extended community (ASN:nn or A.B.C.D:nn)||
        <1.0:0-65535.65535:65535>|VPN extended community in asdot notation (ASN.ASN:nn)||
      #|||
        <cr>||||
        !
        additive|Add to the existing extcommunity|||
          <cr>||||
          !
        !
      !
    !
    soo|Site-of-Origin extended community|k/o/n||
      aa:nn|VPN extended community (ASN:nn or A.B.C.D:nn)|||
        <cr>||||
        !
      !
    !
    cost|Cost extended community|k/o/n||
      #|point of insertion|||
        igp|Compare following IGP cost comparison||
        pre-bestpath|Compare before all other steps in bestpath calculation||
      #|||
        <0-255>|Community ID|||
          <0-4294967295>|Cost value|||
            <cr>||||
            !
          !
        !
      !
      <0-255>|Community ID|||
        <0-4294967295>|Cost value|||
          <cr>||||
          !
        !
      !
    !
    vpn-distinguisher|VPN distinguisher|k/o/n||
      aa:nn|VPN extended community (ASN:nn or A.B.C.D:nn)|||
        <cr>||||
        !
      !
    !
  !
  global|Set to global routing table|k/o/sb||
    <cr>||||
    !
  !
  interface|Output interface|k/o/n||&rm_interfaces.cfm
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
        a.b.c.d|Default next hop IP address|lb/le/wa||
          <cr>||||
          !
        !
      !
      interface|Default output interface|k/o/n||&rm_interfaces.cfm
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
      #|||
        <cr>||||
        !
      !
      recursive|Recursive next-hop|||
        a.b.c.d|IP address of recursive next hop|||
          <cr>||||
          !
        !
      !
      dynamic|application dynamically sets next hop|||
        dhcp|DHCP learned next hop|||
          <cr>||||
          !
        !
      !
      verify-availability|Verify if nexthop is a CDP neighbor|||
        <cr>||||
        !
        a.b.c.d|IP address of next hop|||
          <1-65535>|Sequence number|||
            track|Set the next hop depending on the state of a tracked object|||
              <1-1000>|tracked object number|||
                <cr>||||
                !
              !
            !
          !
        !
      !
    !
    precedence|Set precedence field|k/o/n||
      &ip_precedence.cfm|Precedence value|||
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
      #|type of service|||
        <0-15>|Type of service value||
        max-reliability|Set max reliable TOS (2)||
        max-throughput|Set max throughput TOS (4)||
        min-delay|Set min delay TOS (8)||
        min-monetary-cost|Set min monetary cost TOS (1)||
        normal|Set normal TOS (0)||
      #|||
        <cr>||||
        !
      !
    !
    vrf|VRF name|k/o/n||
      word|VRF name|||
        next-hop|Next hop address|||
          a.b.c.d|IP address of next hop|lb/le/wa||
            <cr>||||
            !
          !
          recursive|Recursive next-hop|||
            a.b.c.d|IP address of recursive next hop|||
              <cr>||||
              !
            !
          !
        !
      !
    !
    global|global routing table|k/o/n||
      next-hop|Next hop address|||
        a.b.c.d|IP address of next hop|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  ipv6|IPv6 information|k||
    next-hop|IPv6 Next hop address|k/o/n||
      word|IPv6 address of next hop|lb/le/wa||
        <cr>||||
        !
      !
      peer-address|Use peer address (for BGP only)|||
        <cr>||||
        !
      !
    !
    default|Set default information|k||
      next-hop|Next hop along path|k/o/n||
        word|IPv6 address of next hop|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    precedence|Set precedence field|k/o/n||
      <0-7>|Precedence value|||
        <cr>||||
        !
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
      <1-4294967295>|EIGRP delay metric, in 10 microsecond units|||
        <0-255>|EIGRP reliability metric where 255 is 100% reliable|||
          <1-255>|EIGRP Effective bandwidth metric (Loading) where 255 is 100% loaded|||
            <1-65535>|EIGRP MTU of the path|||
              <cr>||||
              !
            !
          !
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
      igp|local IGP||
      incomplete|unknown heritage||
    #|||
      <cr>||||
      !
    !
    egp|remote EGP|||
      <cr>||||
      !
      <1-4294967295>|remote AS|||
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
    <1-64>|Bucket number|||
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
