// Shared: "neighbor" commands of BGP, in the router and in its address
// families.  The neighbor (address or peer group) and the setting keyword
// are the key; the setting's value replaces the old one.
#|Neighbor|k/n||
  a.b.c.d|Neighbor address||
  word|Neighbor tag (peer group name) or IPv6 address||
#|||
  activate|Enable the Address Family for this Neighbor|k/o/sb||
    <cr>||||
    !
  !
  additional-paths|Negotiate additional paths capabilities with this neighbor|k/o/n||
    line|send and receive|lb/le/wa||
      <cr>||||
      !
    !
  !
  advertise|Advertise to this neighbor|k||
    line|what to advertise|lb/le/wa/k/o/n||
      <cr>||||
      !
    !
  !
  advertise-map|specify route-map for conditional advertisement|k/o/n||
    line|route-map and condition|lb/le/wa||
      <cr>||||
      !
    !
  !
  advertisement-interval|Minimum interval between sending BGP routing updates|k/o/n||
    <0-600>|time in seconds|||
      <cr>||||
      !
    !
  !
  allowas-in|Accept as-path with my AS present in it|k/o/n||
    <cr>||||
    !
    <1-10>|Number of occurrences of AS number|||
      <cr>||||
      !
    !
  !
  as-override|Override matching AS-number while sending update|k/o/sb||
    <cr>||||
    !
  !
  capability|Advertise capability to the peer|k||
    line|capability|lb/le/wa/k/o/n||
      <cr>||||
      !
    !
  !
  default-originate|Originate default route to this neighbor|k/o/n||
    <cr>||||
    !
    route-map|Route-map to specify criteria to originate default|||
      word|route-map name|||
        <cr>||||
        !
      !
    !
  !
  description|Neighbor specific description|k/o/n||
    line|Up to 80 characters describing this neighbor|lb/le/wa||
      <cr>||||
      !
    !
  !
  disable-connected-check|one-hop away EBGP peer using loopback address|k/o/sb||
    <cr>||||
    !
  !
  distribute-list|Filter updates to/from this neighbor|k||
    #|list|||
      <1-199>|IP access list number||
      word|IP Access-list name||
    #|||
      #|direction|k/o/n||
        in|Filter incoming updates||
        out|Filter outgoing updates||
      #|||
        <cr>||||
        !
      !
    !
  !
  ebgp-multihop|Allow EBGP neighbors not on directly connected networks|k/o/n||
    <cr>||||
    !
    <1-255>|maximum hop count|||
      <cr>||||
      !
    !
  !
  fall-over|session fall on peer route lost|k/o/n||
    <cr>||||
    !
    line|bfd or route-map|lb/le/wa||
      <cr>||||
      !
    !
  !
  filter-list|Establish BGP filters|k||
    <1-500>|AS path access list|||
      #|direction|k/o/n||
        in|Filter incoming routes||
        out|Filter outgoing routes||
      #|||
        <cr>||||
        !
      !
    !
  !
  ha-mode|high availability mode|k||
    line|mode|lb/le/wa/k/o/n||
      <cr>||||
      !
    !
  !
  inherit|Inherit a template|k||
    #|template type|k||
      peer-policy|Inherit a peer-policy template||
      peer-session|Inherit a peer-session template||
    #|||
      word|Template name|o/n||
        <cr>||||
        !
      !
    !
  !
  local-as|Specify a local-as number|k/o/n||
    <cr>||||
    !
    <1-4294967295>|AS number used as local AS|||
      <cr>||||
      !
      #|option|lb/le/wa||
        dual-as|Accept either real AS or local AS from the ebgp peer||
        no-prepend|Do not prepend local-as to updates from ebgp peers||
        replace-as|Replace real AS with local AS in the EBGP updates||
      #|||
        <cr>||||
        !
      !
    !
  !
  log-neighbor-changes|Log neighbor up/down and reset reason|k/o/sb||
    <cr>||||
    !
    disable|disable to log neighbor up/down and reset reason|||
      <cr>||||
      !
    !
  !
  maximum-prefix|Maximum number of prefixes accepted from this peer|k/o/n||
    <1-4294967295>|maximum no. of prefix limit|||
      <cr>||||
      !
      line|threshold, restart and warning-only|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  next-hop-self|Disable the next hop calculation for this neighbor|k/o/sb||
    <cr>||||
    !
    all|Enable next-hop-self for both eBGP and iBGP received paths|||
      <cr>||||
      !
    !
  !
  next-hop-unchanged|Propagate next hop unchanged for iBGP paths to this neighbor|k/o/sb||
    <cr>||||
    !
  !
  password|Set a password|k/o/n||
    #|Encryption type|||
      0|Specifies an UNENCRYPTED password will follow||
      7|Specifies a HIDDEN password will follow||
    #|||
      line|The password|lb/le/wa||
        <cr>||||
        !
      !
    !
    line|The UNENCRYPTED (cleartext) password|lb/le/wa||
      <cr>||||
      !
    !
  !
  peer-group|Member of the peer-group|k/o/n||
    <cr>||||
    !
    word|peer-group name|||
      <cr>||||
      !
    !
  !
  prefix-list|Filter updates to/from this neighbor|k||
    word|Name of a prefix list|||
      #|direction|k/o/n||
        in|Filter incoming updates||
        out|Filter outgoing updates||
      #|||
        <cr>||||
        !
      !
    !
  !
  remote-as|Specify a BGP neighbor|k/o/n||
    <1-4294967295>|AS of remote neighbor|||
      <cr>||||
      !
    !
    word|AS of remote neighbor in asdot format|||
      <cr>||||
      !
    !
  !
  remove-private-as|Remove private AS number from outbound updates|k/o/sb||
    <cr>||||
    !
    line|all, replace-as|lb/le/wa||
      <cr>||||
      !
    !
  !
  route-map|Apply route map to neighbor|k||
    word|Name of route map|||
      #|direction|k/o/n||
        in|Apply map to incoming routes||
        out|Apply map to outbound routes||
      #|||
        <cr>||||
        !
      !
    !
  !
  route-reflector-client|Configure a neighbor as Route Reflector client|k/o/sb||
    <cr>||||
    !
  !
  send-community|Send Community attribute to this neighbor|k/o/n||
    <cr>||||
    !
    #|community type|||
      both|Send Standard and Extended Community attributes||
      extended|Send Extended Community attribute||
      standard|Send Standard Community attribute||
    #|||
      <cr>||||
      !
    !
  !
  send-label|Send NLRI + MPLS Label to this peer|k/o/sb||
    <cr>||||
    !
  !
  shutdown|Administratively shut down this neighbor|k/o/sb||
    <cr>||||
    !
  !
  soft-reconfiguration|Per neighbor soft reconfiguration|k||
    inbound|Allow inbound soft reconfiguration for this neighbor|k/o/sb||
      <cr>||||
      !
    !
  !
  timers|BGP per neighbor timers|k/o/n||
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
  transport|Transport options|k||
    line|options|lb/le/wa/k/o/n||
      <cr>||||
      !
    !
  !
  ttl-security|BGP ttl security check|k/o/n||
    line|hops|lb/le/wa||
      <cr>||||
      !
    !
  !
  unsuppress-map|Route-map to selectively unsuppress suppressed routes|k/o/n||
    word|Name of route map|||
      <cr>||||
      !
    !
  !
  update-source|Source of routing updates|k/o/n||
    &interfacefile.cfm|Interface type|||
      <slot/port>|Interface number|||
        <cr>||||
        !
      !
    !
  !
  version|Set the BGP version to match a neighbor|k/o/n||
    <4-4>|Neighbor's BGP version|||
      <cr>||||
      !
    !
  !
  weight|Set default weight for routes from this neighbor|k/o/n||
    <0-65535>|default weight|||
      <cr>||||
      !
    !
  !
!
