// Shared: the settings of a BGP neighbor or peer group, and of a peer
// template.  The setting keyword is the key; its value replaces the old one.
activate|Enable the Address Family for this Neighbor|k/o/sb||
  <cr>||||
  !
!
additional-paths|Negotiate additional paths capabilities with this neighbor|k/o/n||
  disable|Disable additional paths for this neighbor|||
    <cr>||||
    !
  !
  #|capability|lb/le/wa||
    send|Additional paths Send capability||
    receive|Additional paths Receive capability||
  #|||
    <cr>||||
    !
  !
!
advertise|Advertise to this neighbor|k||
  additional-paths|Advertise additional paths|k/o/n||
    #|selection|lb/le/wa||
      all|Select all available paths||
      best|Select best N paths||
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
  best-external|Advertise best external path to internal peers|k/o/sb||
    <cr>||||
    !
  !
  diverse-path|Advertise additional paths|k||
    backup|Diverse path can be backup path|k/o/sb||
      <cr>||||
      !
    !
  !
!
advertise-map|specify route-map for conditional advertisement|k/o/n||
  word|advertise route-map name|||
    #|condition|||
      exist-map|advertise prefix only if prefix is in the condition exists||
      non-exist-map|advertise prefix only if prefix in the condition does not exist||
    #|||
      word|condition route-map name|||
        <cr>||||
        !
      !
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
  orf|Advertise ORF capability to the peer|k||
    prefix-list|Advertise prefixlist ORF capability to this neighbor|k/o/n||
      #|direction|||
        both|Capability to SEND and RECEIVE the ORF to/from this neighbor||
        receive|Capability to RECEIVE the ORF from this neighbor||
        send|Capability to SEND the ORF to this neighbor||
      #|||
        <cr>||||
        !
      !
    !
  !
  dynamic|Advertise dynamic capability to this neighbor|k/o/sb||
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
  bfd|Use BFD to detect failure|||
    <cr>||||
    !
    #|hop|||
      single-hop|Force BFD single-hop to detect failure||
      multi-hop|Force BFD multi-hop to detect failure||
    #|||
      <cr>||||
      !
    !
  !
  route-map|Route map for peer route|||
    word|Route map name|||
      <cr>||||
      !
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
  sso|stateful switchover|k/o/sb||
    <cr>||||
    !
  !
  graceful-restart|graceful restart|k/o/sb||
    <cr>||||
    !
    disable|disable graceful restart|||
      <cr>||||
      !
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
cluster-id|Configure Route-Reflector Cluster-id (peers with same id do not reflect to each other)|k/o/n||
  <1-4294967295>|Route-Reflector Cluster-id as 32 bit quantity|||
    <cr>||||
    !
  !
  a.b.c.d|Route-Reflector Cluster-id in IP address format|||
    <cr>||||
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
  <1-2147483647>|maximum no. of prefix limit|||&bgp_max_prefix_opt.cfm
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
  <1.0-65535.65535>|AS of remote neighbor in asdot format|||
    <cr>||||
    !
  !
!
remove-private-as|Remove private AS number from outbound updates|k/o/sb||
  <cr>||||
  !
  all|Remove all private ASes|||
    <cr>||||
    !
    replace-as|Replace all private ASes with local AS|||
      <cr>||||
      !
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
  connection-mode|Specify passive or active connection|k/o/n||
    #|mode|||
      active|Actively establish the TCP session||
      passive|Passively establish the TCP session||
    #|||
      <cr>||||
      !
    !
  !
  path-mtu-discovery|Use transport path MTU discovery|k/o/sb||
    <cr>||||
    !
    disable|disable path MTU discovery|||
      <cr>||||
      !
    !
  !
  multi-session|Use multi-session for transport|k/o/sb||
    <cr>||||
    !
  !
!
ttl-security|BGP ttl security check|k/o/n||
  hops|IP hops|||
    <1-254>|maximum number of hops|||
      <cr>||||
      !
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
