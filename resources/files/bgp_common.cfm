// Shared: the commands that BGP accepts both in the router and in an
// address family.
aggregate-address|Configure BGP aggregate entries|k||
  a.b.c.d|Aggregate address|k/n||
    a.b.c.d|Aggregate mask|k/o/n||
      <cr>||||
      !
      line|as-set, summary-only, route maps|lb/le/wa||
        <cr>||||
        !
      !
    !
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
    line|half-life, reuse, suppress and maximum, or route-map|lb/le/wa||
      <cr>||||
      !
    !
  !
  additional-paths|Additional paths in the BGP table|k||
    #|setting|k/o/n||
      select|Selection||
      send|Send additional paths||
      receive|Receive additional paths||
      install|Install additional paths||
    #|||
      line|values|lb/le/wa||
        <cr>||||
        !
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
    line|option|lb/le/wa/k/o/sb||
      <cr>||||
      !
    !
  !
  client-to-client|Configure client to client route reflection|k||
    reflection|reflection of routes allowed|k/o/sb||
      <cr>||||
      !
      line|intra-cluster options|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  cluster-id|Configure Route-Reflector Cluster-id|k/o/n||
    word|Route-Reflector Cluster-id|||
      <cr>||||
      !
    !
  !
  consistency-checker|Consistency checker|k/o/sb||
    <cr>||||
    !
    line|options|lb/le/wa||
      <cr>||||
      !
    !
  !
  default|Configure BGP defaults|k||
    #|default|k/o/sb||
      ipv4-unicast|Activate ipv4-unicast for a peer by default||
      ipv6-nexthop|Default IPv6 nexthop format||
      route-target|Control behavior based on Route-Target attributes||
    #|||
      <cr>||||
      !
      line|value|lb/le/wa||
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
    line|timers|lb/le/wa||
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
  line|other BGP settings|lb/le/wa/k/n/sb/o||
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
    line|distances|lb/le/wa||
      <cr>||||
      !
    !
  !
  <1-255>|Administrative distance|k/o/n||
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
  a.b.c.d|Network number|k/o/n||
    <cr>||||
    !
    mask|Network mask|||
      a.b.c.d|Network mask|k/o/n||
        <cr>||||
        !
        line|route-map or backdoor|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    line|route-map or backdoor|lb/le/wa||
      <cr>||||
      !
    !
  !
  word|IPv6 prefix|k/o/n||
    <cr>||||
    !
    line|route-map|lb/le/wa||
      <cr>||||
      !
    !
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
