// Shared: what may follow the destination of an extended access list entry.
// Every option is a member of one option group ("ob", its last word "oe"),
// so the options may come in any order and each at most once.
<cr>||||
!
#|Destination port operator|k/ob/n||
  eq|Match only packets on a given port number||
  gt|Match only packets with a greater port number||
  lt|Match only packets with a lower port number||
  neq|Match only packets not on a given port number||
#|||
  &ports.cfm|Port number or name|k/lb/le/wa/oe/n||
    <cr>||||
    !
  !
!
range|Match only packets in the range of port numbers|k/ob/n||
  &ports.cfm|Lowest port number|k/n||
    &ports.cfm|Highest port number|k/oe/n||
      <cr>||||
      !
    !
  !
!
portgroup|Destination port object group|k/ob/n||
  word|Port object group name|k/oe/n||
    <cr>||||
    !
  !
!
&icmptypes.cfm|ICMP message type|k/ob/oe/n||
  <cr>||||
  !
!
<0-255>|ICMP message type|k/ob/oe/n||
  <cr>||||
  !
  <0-255>|ICMP message code|k/oe/n||
    <cr>||||
    !
  !
!
log|Log matches against this entry|k/ob/oe/n||
  <cr>||||
  !
  word|User defined cookie information (up to 64 characters)|k/oe/n||
    <cr>||||
    !
  !
  <0-7>|Logging level|k/oe/n||
    <cr>||||
    !
    interval|Logging interval|k/n||
      <1-600>|Seconds|k/oe/n||
        <cr>||||
        !
      !
    !
  !
  #|Logging setting|k/oe/n||
    default|Default logging||
    disable|Disable logging||
  #|||
    <cr>||||
    !
  !
  interval|Logging interval|k/n||
    <1-600>|Seconds|k/oe/n||
      <cr>||||
      !
    !
  !
!
log-input|Log matches against this entry, including input interface|k/ob/oe/n||
  <cr>||||
  !
  word|User defined cookie information (up to 64 characters)|k/oe/n||
    <cr>||||
    !
  !
!
established|Match established connections|k/ob/oe/n||
  <cr>||||
  !
!
fragments|Check non-initial fragments|k/ob/oe/n||
  <cr>||||
  !
!
tracked|Match tracked connections|k/ob/oe/n||
  <cr>||||
  !
!
ack|Match on the ACK bit|k/ob/oe/n||
  <cr>||||
  !
!
fin|Match on the FIN bit|k/ob/oe/n||
  <cr>||||
  !
!
psh|Match on the PSH bit|k/ob/oe/n||
  <cr>||||
  !
!
rst|Match on the RST bit|k/ob/oe/n||
  <cr>||||
  !
!
syn|Match on the SYN bit|k/ob/oe/n||
  <cr>||||
  !
!
urg|Match on the URG bit|k/ob/oe/n||
  <cr>||||
  !
!
dscp|Match packets with given dscp value|k/ob/n||
  &dscp.cfm|Differentiated services codepoint value|k/oe/n||
    <cr>||||
    !
  !
!
precedence|Match packets with given precedence value|k/ob/n||
  #|Precedence|k/oe/n||
    critical|Match packets with critical precedence (5)||
    flash|Match packets with flash precedence (3)||
    flash-override|Match packets with flash override precedence (4)||
    immediate|Match packets with immediate precedence (2)||
    internet|Match packets with internetwork control precedence (6)||
    network|Match packets with network control precedence (7)||
    priority|Match packets with priority precedence (1)||
    routine|Match packets with routine precedence (0)||
    <0-7>|Precedence value||
  #|||
    <cr>||||
    !
  !
!
tos|Match packets with given TOS value|k/ob/n||
  <0-15>|Type of service value|k/oe/n||
    <cr>||||
    !
  !
!
ttl|Match packets with given TTL value|k/ob/n||
  #|TTL operator|k/n||
    eq|Match only packets on a given TTL number||
    gt|Match only packets with a greater TTL number||
    lt|Match only packets with a lower TTL number||
    neq|Match only packets not on a given TTL number||
  #|||
    <0-255>|TTL value|k/oe/n||
      <cr>||||
      !
    !
  !
!
time-range|Specify a time-range|k/ob/n||
  word|Time-range entry name|k/oe/n||
    <cr>||||
    !
  !
!
option|Match packets with given IP Options value|k/ob/n||
  word|IP Options value|k/oe/n||
    <cr>||||
    !
  !
!
reflect|Create reflexive access list entry|k/ob/n||
  word|Access-list name|k/oe/n||
    <cr>||||
    !
  !
!
match-any|Match any of the TCP flags|k/ob/n||
  line|TCP flags (+ack, +fin, ...)|lb/le/wa/k/oe/n||
    <cr>||||
    !
  !
!
match-all|Match all of the TCP flags|k/ob/n||
  line|TCP flags (+ack, +fin, ...)|lb/le/wa/k/oe/n||
    <cr>||||
    !
  !
!
