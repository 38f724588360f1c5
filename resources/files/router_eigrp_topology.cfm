// EIGRP address family topology mode "(config-router-af-topology)#".
auto-summary|Enable automatic network number summarization|k/o/sb||
  <cr>||||
  !
!
default-metric|Set metric of redistributed routes|k/o/n||&eigrp_metric5.cfm
!
distance|Define an administrative distance|k||
  eigrp|IP-EIGRP distance|k/o/n||
    <1-255>|Distance for internal routes|||
      <1-255>|Distance for external routes|||
        <cr>||||
        !
      !
    !
  !
!
distribute-list|Filter entries in eigrp updates|k||&distribute_list.cfm
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
offset-list|Add or subtract offset from EIGRP metrics|k||&eigrp_offset_list.cfm
!
redistribute|Redistribute IPv4 routes from another routing protocol|k||&redistribute.cfm
!
summary-metric|Summary metric|k||&eigrp_summary_metric.cfm
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
