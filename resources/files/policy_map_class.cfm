// Policy-map class mode "(config-pmap-c)#": the actions of one class.
bandwidth|Bandwidth|k/o/n||
  <8-10000000>|Kilo Bits per second|||
    <cr>||||
    !
  !
  percent|% of total Bandwidth|||
    <1-100>|Bandwidth percentage|||
      <cr>||||
      !
    !
  !
  remaining|% of the remaining bandwidth|||
    #|unit|||
      percent|% of the remaining bandwidth||
      ratio|ratio for sharing excess bandwidth||
    #|||
      <1-100>|value|||
        <cr>||||@(config-pmap-c-bw)# policy_map_class_sub.cfm
        !
      !
    !
  !
!
congestion-control|Congestion control|k||
  #|type|k/o/sb||
    random-detect|Random detect||
    tail-drop|Tail drop||
  #|||
    <cr>||||
    !
  !
!
drop|Drop the packet|k/o/n||
  <cr>||||
  !
  log|Log the dropped packets|||
    <cr>||||
    !
  !
!
fair-queue|Enable Flow-based Fair Queuing in this Class|k/o/sb||
  <cr>||||@(config-pmap-c-fq)# policy_map_class_sub.cfm
  !
  line|options|lb/le/wa||
    <cr>||||@(config-pmap-c-fq)# policy_map_class_sub.cfm
    !
  !
!
inspect|Context-based Access Control Engine|k||
  <cr>||||
  !
  line|protocol and parameter map (one line per protocol)|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
mtu|MTU|k/o/n||
  <64-9216>|MTU|||
    <cr>||||
    !
  !
!
pass|Pass the packet|k/o/n||
  <cr>||||
  !
  log|Log the passed packets|||
    <cr>||||
    !
  !
!
pause|Pause frames|k/o/sb||
  <cr>||||
  !
  line|options|lb/le/wa||
    <cr>||||
    !
  !
!
police|Police|k/o/n||
  line|rate, burst and actions|lb/le/wa||
    <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
    !
  !
!
priority|Strict Scheduling Priority for this Class|k/o/n||
  <cr>||||
  !
  level|Multi-Level Priority Queue|||
    <1-2>|Multi-Level Priority Queue|||
      <cr>||||
      !
    !
  !
  line|bandwidth or percent|lb/le/wa||
    <cr>||||
    !
  !
!
queue-buffers|Queue buffer|k/o/n||
  line|ratio|lb/le/wa||
    <cr>||||
    !
  !
!
queue-limit|Queue Max Threshold for Tail Drop|k||
  line|limit or classification|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
random-detect|Enable Random Early Detection as drop policy|k/o/sb||
  <cr>||||
  !
  line|options|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
service-policy|Configure QoS Service Policy|k/o/n||
  word|policy-map name|||
    <cr>||||
    !
  !
  type|Policy type|||
    line|type and policy map|lb/le/wa||
      <cr>||||
      !
    !
  !
!
set|Set QoS values|k||
  #|field|k/o/n||
    cos|Set IEEE 802.1Q/ISL class of service/user priority||
    dscp|Set DSCP in IP(v4) and IPv6 packets||
    precedence|Set precedence in IP(v4) and IPv6 packets||
    qos-group|Set QoS Group||
    discard-class|Discard behavior identifier||
    mpls|Set MPLS specific values||
    nexthop|Set the next hop||
    ip|Set IP specific values||
    connection|Connection settings||
  #|||
    line|value|lb/le/wa||
      <cr>||||
      !
    !
  !
!
shape|Traffic Shaping|k/o/n||
  line|rate and burst|lb/le/wa||
    <cr>||||
    !
  !
!
trust|Trust settings|k/o/n||
  line|field|lb/le/wa||
    <cr>||||
    !
  !
!
user-statistics|User statistics|k/o/n||
  line|accounting|lb/le/wa||
    <cr>||||
    !
  !
!
