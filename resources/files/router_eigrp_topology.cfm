// EIGRP address family topology mode "(config-router-af-topology)#".
auto-summary|Enable automatic network number summarization|k/o/sb||
  <cr>||||
  !
!
default-metric|Set metric of redistributed routes|k/o/n||
  line|bandwidth, delay, reliability, loading and MTU|lb/le/wa||
    <cr>||||
    !
  !
!
distance|Define an administrative distance|k||
  line|distances|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
distribute-list|Filter entries in eigrp updates|k||
  line|list and direction|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
exit-af-topology|Exit from Address Family Topology configuration mode|k||
  <cr>||||
  !
!
maximum-paths|Forward packets over multiple paths|k/o/n||
  <1-32>|Number of paths|||
    <cr>||||
    !
  !
!
metric|Modify metrics and parameters for advertisement|k||
  maximum-hops|Advertise routes greater than specified hop count as unreachable|k/o/n||
    <1-255>|Hop count|||
      <cr>||||
      !
    !
  !
!
offset-list|Add or subtract offset from EIGRP metrics|k||
  line|access list, direction, offset and interface|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
redistribute|Redistribute IPv4 routes from another routing protocol|k||&redistribute.cfm
!
summary-metric|Summary metric|k||
  line|prefix and metric|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
traffic-share|How to compute traffic share over alternate paths|k||
  balanced|Share inversely proportional to metric|k/o/sb||
    <cr>||||
    !
  !
!
variance|Control load balancing variance|k/o/n||
  <1-128>|Metric variance multiplier|||
    <cr>||||
    !
  !
!
