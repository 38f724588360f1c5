// Shared: the commands that BGP accepts both in the router and in an
// address family.
aggregate-address|Configure BGP aggregate entries|k||
  a.b.c.d|Aggregate address|k/n||
    a.b.c.d|Aggregate mask|k/o/n||&bgp_aggregate_opt.cfm
    !
  !
  a.b.c.d/<1-32>|Aggregate prefix|k/o/n||&bgp_aggregate_opt.cfm
  !
!
auto-summary|Enable automatic network number summarization|k/o/sb||
  <cr>||||
  !
!
bgp|BGP specific commands|k||
  router-id|Override configured router identifier|k/o/n||
    a.b.c.d|Manually configured router identifier|||
      <cr>||||
      !
    !
    vrf|vrf-specific router id configuration|||
      auto-assign|Automatically assign per-vrf bgp router id|||
        <cr>||||
        !
      !
    !
  !
  log-neighbor-changes|Log neighbor up/down and reset reason|k/o/sb||
    <cr>||||
    !
  !
  dampening|Enable route-flap dampening|k/o/sb||
    <cr>||||
    !
    <1-45>|Half-life time for the penalty|||
      <1-20000>|Value to start reusing a route|||
        <1-20000>|Value to start suppressing a route|||
          <1-255>|Maximum duration to suppress a stable route|||
            <cr>||||
            !
          !
        !
      !
    !
    route-map|Route-map to specify criteria for dampening|||
      word|route-map name|||
        <cr>||||
        !
      !
    !
  !
  additional-paths|Additional paths in the BGP table|k||
    select|Selection|k/o/n||
      #|selection|lb/le/wa||
        all|Select all available paths||
        best|Select best N paths||
        best-external|Select best-external path||
        group-best|Select group-best path||
      #|||
        <cr>||||
        !
        <2-3>|Number of best paths|||
          <cr>||||
          !
        !
      !
    !
    #|capability|k/o/n||
      send|Additional paths Send capability||
      receive|Additional paths Receive capability||
    #|||
      <cr>||||
      !
      receive|Additional paths Receive capability|||
        <cr>||||
        !
      !
    !
    install|Additional paths to install into RIB|k/o/sb||
      <cr>||||
      !
    !
  !
  aggregate-timer|Configure Aggregation Timer|k/o/n||
    <0-3600>|Aggregation timer|||
      <cr>||||
      !
    !
  !
  always-compare-med|Allow comparing MED from different neighbors|k/o/sb||
    <cr>||||
    !
  !
  asnotation|Change the default asplain notation|k||
    dot|asdot notation|k/o/sb||
      <cr>||||
      !
    !
  !
  bestpath|Change the default bestpath selection|k||
    as-path|AS path|k||
      #|option|k/o/sb||
        ignore|Ignore as-path length in selecting a path||
        multipath-relax|Relax as-path check for multipath selection||
      #|||
        <cr>||||
        !
      !
    !
    compare-routerid|Compare router-id for identical EBGP paths|k/o/sb||
      <cr>||||
      !
    !
    cost-community|Cost community|k||
      ignore|Ignore cost communities in bestpath selection|k/o/sb||
        <cr>||||
        !
      !
    !
    igp-metric|IGP metric|k||
      ignore|Ignore IGP metric in bestpath selection|k/o/sb||
        <cr>||||
        !
      !
    !
    med|MED attribute|k||
      #|option|k/o/sb||
        confed|Compare MED among confederation paths||
        missing-as-worst|Treat missing MED as the least preferred one||
      #|||
        <cr>||||
        !
        missing-as-worst|Treat missing MED as the least preferred one|||
          <cr>||||
          !
        !
      !
    !
    aigp|AIGP attribute|k||
      ignore|Ignore AIGP in bestpath selection|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  client-to-client|Configure client to client route reflection|k||
    reflection|reflection of routes allowed|k/o/sb||
      <cr>||||
      !
      intra-cluster|Reflection of routes within a cluster|||
        cluster-id|Cluster ID|||
          #|cluster|||
            any|any cluster id||
            <1-4294967295>|Route-Reflector Cluster-id as 32 bit quantity||
            a.b.c.d|Route-Reflector Cluster-id in IP address format||
          #|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  cluster-id|Configure Route-Reflector Cluster-id|k/o/n||
    <1-4294967295>|Route-Reflector Cluster-id as 32 bit quantity|||
      <cr>||||
      !
    !
    a.b.c.d|Route-Reflector Cluster-id in IP address format|||
      <cr>||||
      !
    !
  !
  consistency-checker|Consistency checker|k/o/sb||
    <cr>||||
    !
    #|action|||
      auto-repair|Auto repair when an inconsistency is found||
      error-message|Log an error message when an inconsistency is found||
    #|||
      <cr>||||
      !
      interval|Checking interval|||
        <5-1440>|Minutes|||
          <cr>||||
          !
        !
      !
    !
  !
  default|Configure BGP defaults|k||
    ipv4-unicast|Activate ipv4-unicast for a peer by default|k/o/sb||
      <cr>||||
      !
    !
    ipv6-nexthop|Default IPv6 nexthop format|k/o/sb||
      <cr>||||
      !
    !
    route-target|Control behavior based on Route-Target attributes|k||
      filter|Control automatic VPN Route-Target filtering|k/o/sb||
        <cr>||||
        !
      !
    !
    local-preference|local preference (higher=more preferred)|k/o/n||
      <0-4294967295>|Configure default local preference value|||
        <cr>||||
        !
      !
    !
  !
  deterministic-med|Pick the best-MED path among paths advertised from the neighboring AS|k/o/sb||
    <cr>||||
    !
  !
  dynamic-med-interval|Dynamic MED interval|k/o/n||
    <0-4294967295>|Interval in seconds|||
      <cr>||||
      !
    !
  !
  enforce-first-as|Enforce the first AS for EBGP routes|k/o/sb||
    <cr>||||
    !
  !
  fast-external-fallover|Immediately reset session if a link to a directly connected external peer goes down|k/o/sb||
    <cr>||||
    !
  !
  graceful-restart|Graceful restart capability parameters|k/o/sb||
    <cr>||||
    !
    restart-time|Set the max time needed to restart and come back up|||
      <1-3600>|Delay value (seconds)|||
        <cr>||||
        !
      !
    !
    stalepath-time|Set the max time to hold onto restarting peer's stale paths|||
      <1-3600>|Delay value (seconds)|||
        <cr>||||
        !
      !
    !
    extended|Enable extended graceful restart|||
      <cr>||||
      !
    !
  !
  listen|Neighbor subnet range listening|k||
    limit|Set the max limit for the dynamic subnet range neighbors|k/o/n||
      <1-5000>|Max limit|||
        <cr>||||
        !
      !
    !
    range|Subnet network range|k||
      a.b.c.d/<1-32>|Subnet network range|k/n||
        peer-group|Member of the peer-group|||
          word|peer-group name|o/n||
            <cr>||||
            !
          !
        !
      !
    !
  !
  nexthop|Nexthop tracking commands|k||
    trigger|nexthop trackings|k||
      #|setting|k/o/n||
        delay|Set the delay to trigger nexthop tracking||
        enable|Enable nexthop tracking||
      #|||
        <cr>||||
        !
        <0-100>|Delay value (seconds)|||
          <cr>||||
          !
        !
      !
    !
  !
  refresh|BGP refresh|k||
    #|timer|k/o/n||
      max-eor-time|Configure refresh max-eor time||
      stalepath-time|Configure refresh stale-path time||
    #|||
      <0-3600>|seconds|||
        <cr>||||
        !
      !
    !
  !
  regexp|Select regular expression engine|k||
    deterministic|Enable bounded-execution-time regular expression engine|k/o/sb||
      <cr>||||
      !
    !
  !
  route-map-cache|Route map cache|k/o/sb||
    <cr>||||
    !
  !
  scan-time|Configure background scanner interval|k/o/n||
    <5-60>|Scanner interval (seconds)|||
      <cr>||||
      !
    !
  !
  transport|global enable/disable transport session parameters|k||
    path-mtu-discovery|transport path MTU discovery|k/o/sb||
      <cr>||||
      !
    !
  !
  update-delay|Set the max initial delay for sending update|k/o/n||
    <1-3600>|Delay value (seconds)|||
      <cr>||||
      !
    !
  !
  update-group|Manage peers in BGP update groups|k||
    split|Split update groups based on Policy|k||
      as-override|Keep peers with as-override in different update groups|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  confederation|AS confederation parameters|k||
    identifier|Set routing domain confederation AS|k/o/n||
      <1-4294967295>|AS number|||
        <cr>||||
        !
      !
      <1.0-65535.65535>|AS number in asdot notation|||
        <cr>||||
        !
      !
    !
    peers|Peer ASs in BGP confederation|k||
      <1-4294967295>|AS number|lb/le/m/n||
        <cr>||||
        !
      !
    !
  !
  maxas-limit|Allow AS-PATH attribute from EBGP neighbor imposing a limit on number of ASes|k/o/n||
    <1-2000>|Number of ASes in the AS-PATH attribute|||
      <cr>||||
      !
    !
  !
  redistribute-internal|Allow redistribution of iBGP into IGPs (dangerous)|k/o/sb||
    <cr>||||
    !
  !
  inject-map|Routemap which specifies prefixes to inject|k||
    word|route-map name|k||
      exist-map|route-map name|k/o/n||
        word|route-map name|||
          <cr>||||
          !
          copy-attributes|Copy attributes from aggregate|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  suppress-inactive|Suppress routes that are not in the routing table|k/o/sb||
    <cr>||||
    !
  !
  recursion|recursion rule for the nexthops|k||
    host|recursion via host for the nexthops|k/o/sb||
      <cr>||||
      !
    !
  !
  soft-reconfig-backup|Use soft-reconfiguration inbound only when route-refresh is not negotiated|k/o/sb||
    <cr>||||
    !
  !
!
default-information|Control distribution of default information|k||
  originate|Distribute a default route|k/o/sb||
    <cr>||||
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
  bgp|BGP distance|k/o/n||
    <1-255>|Distance for routes external to the AS|||
      <1-255>|Distance for routes internal to the AS|||
        <1-255>|Distance for local routes|||
          <cr>||||
          !
        !
      !
    !
  !
  mbgp|MBGP distance|k/o/n||
    <1-255>|Distance for routes external to the AS|||
      <1-255>|Distance for routes internal to the AS|||
        <1-255>|Distance for local routes|||
          <cr>||||
          !
        !
      !
    !
  !
  <1-255>|Administrative distance|k/o/n||
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
!
distribute-list|Filter networks in routing updates|k||&distribute_list.cfm
!
maximum-paths|Forward packets over multiple paths|k/o/n||
  <1-32>|Number of paths|||
    <cr>||||
    !
  !
  #|path type|k/o/n||
    eibgp|Both eBGP and iBGP paths||
    eigbp|Both eBGP and iBGP paths (older spelling)||
    ibgp|iBGP paths||
    external|eBGP paths||
  #|||
    <1-32>|Number of paths|||
      <cr>||||
      !
    !
  !
!
neighbor|Specify a neighbor router|k||&bgp_neighbor.cfm
!
network|Specify a network to announce via BGP|k||
  a.b.c.d|Network number|k/o/n||&bgp_network_opt.cfm
    mask|Network mask|||
      a.b.c.d|Network mask|k/o/n||&bgp_network_opt.cfm
      !
    !
  !
  a.b.c.d/<1-32>|Network prefix|k/o/n||&bgp_network_opt.cfm
  !
  word|IPv6 prefix|k/o/n||&bgp_network_opt.cfm
  !
!
redistribute|Redistribute information from another routing protocol|k||&redistribute.cfm
!
synchronization|Perform IGP synchronization|k/o/sb||
  <cr>||||
  !
!
table-map|Map external entry attributes into routing table|k/o/n||
  word|route-map name|||
    <cr>||||
    !
    filter|Selective route download|||
      <cr>||||
      !
    !
  !
!
