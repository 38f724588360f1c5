// Shared: the criteria of a class-map "match" (also after "match not").
access-group|Access group|k||
  <1-2799>|Access list index|k/n||
    <cr>||||
    !
  !
  name|Named Access List|k||
    word|Access List name|k/n||
      <cr>||||
      !
    !
  !
  ipv6|IPv6 access list|k||
    name|Named Access List|k||
      word|Access List name|k/n||
        <cr>||||
        !
      !
    !
  !
!
any|Any packets|k||
  <cr>||||
  !
!
access-list|Access list (older form)|k||
  word|Access list name|k/n||
    <cr>||||
    !
  !
!
#|HTTP message part|k||
  request|HTTP request||
  response|HTTP response||
  req-resp|HTTP request and response||
#|||
  line|field, operator and value|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
class-map|Class map|k||
  word|Match class-map name|k/n||
    <cr>||||
    !
  !
!
cos|IEEE 802.1Q/ISL class of service/user priority values|k||
  <0-7>|Enter up to 4 class-of-service values separated by white-spaces|lb/le/wa/n||
    <cr>||||
    !
  !
  word|CoS list, example 0,5-7|lb/le/wa/n||
    <cr>||||
    !
  !
  inner|Inner CoS values|k||
    <0-7>|Enter up to 4 class-of-service values|lb/le/wa/n||
      <cr>||||
      !
    !
  !
!
dscp|Match DSCP in IP(v4) and IPv6 packets|k||
  &dscp.cfm|Differentiated services codepoint value|lb/le/wa/n||
    <cr>||||
    !
  !
!
precedence|Match Precedence in IP(v4) and IPv6 packets|k||
  &ip_precedence.cfm|Precedence value|lb/le/wa/n||
    <cr>||||
    !
  !
!
ip|IP specific values|k||
  dscp|Match IP DSCP (DiffServ CodePoints)|k||
    &dscp.cfm|Differentiated services codepoint value|lb/le/wa/n||
      <cr>||||
      !
    !
  !
  precedence|Match IP precedence|k||
    &ip_precedence.cfm|Precedence value|lb/le/wa/n||
      <cr>||||
      !
    !
  !
  rtp|Match RTP port numbers|k||
    <2000-65535>|Lower bound of UDP destination port|k||
      <0-16383>|Range of UDP ports|k/n||
        <cr>||||
        !
      !
    !
  !
  access-group|Access group (older form)|k||
    word|Access list name|k/n||
      <cr>||||
      !
    !
  !
!
qos-group|Qos-group|k||
  <0-99>|Qos Group value|k/n||
    <cr>||||
    !
  !
!
discard-class|Discard behavior identifier|k||
  <0-7>|Discard Class value|k/n||
    <cr>||||
    !
  !
!
mpls|Multi Protocol Label Switching specific values|k||
  experimental|Match MPLS experimental|k||
    topmost|Match MPLS experimental value on topmost label|k||
      <0-7>|Enter up to 8 experimental values|lb/le/wa/n||
        <cr>||||
        !
      !
    !
  !
!
vlan|VLANs to match|k||
  word|VLAN list, example 1,3-5,7|k/n||
    <cr>||||
    !
  !
  inner|Inner VLANs|k||
    word|VLAN list|k/n||
      <cr>||||
      !
    !
  !
!
input-interface|Select an input interface to match|k||
  &interfacefile.cfm|Interface type|lb||
    <slot/port>|Interface number|le/wa/n||
      <cr>||||
      !
    !
  !
!
packet|Layer 3 Packet length|k||
  length|IP packet length|k||
    #|bound|k||
      min|Minimum length||
      max|Maximum length||
    #|||
      <1-2000>|Packet length|n||
        <cr>||||
        !
      !
    !
  !
!
#|address side|k||
  source-address|Source address||
  destination-address|Destination address||
#|||
  mac|MAC address|k||
    h.h.h|MAC address|k/n||
      <cr>||||
      !
    !
  !
!
// Catalyst 3850: the non-client non-real-time traffic of the wireless port
// (the default class non-client-nrt-class).
non-client-nrt|Non-client non-real-time traffic|k||
  <cr>||||
  !
!
fr-de|Match on Frame-relay DE bit|k||
  <cr>||||
  !
!
protocol|Protocol|k||
  word|Protocol name (for example http, tcp, udp)|k/n||
    <cr>||||
    !
    line|protocol attributes|lb/le/wa/n||
      <cr>||||
      !
    !
  !
  attribute|Protocol attribute|k||
    word|Attribute name|k||
      word|Attribute value|k/n||
        <cr>||||
        !
      !
    !
  !
!
result-type|Result type|k||
  method|Method|k||
    #|method|k||
      dot1x|dot1x||
      mab|mab||
      webauth|webauth||
    #|||
      #|result|k/n||
        agent-not-found|Agent not found||
        authoritative|Authoritative||
        method-timeout|Method timeout||
        success|Success||
      #|||
        <cr>||||
        !
      !
    !
  !
  #|result|k/n||
    agent-not-found|Agent not found||
    authoritative|Authoritative||
    method-timeout|Method timeout||
    success|Success||
    aaa-timeout|AAA timeout||
  #|||
    <cr>||||
    !
  !
!
authorization-status|Authorization status|k||
  #|status|k/n||
    authorized|Authorized||
    unauthorized|Unauthorized||
  #|||
    <cr>||||
    !
  !
!
method|Method|k||
  #|method|k/n||
    dot1x|dot1x||
    mab|mab||
    webauth|webauth||
  #|||
    <cr>||||
    !
  !
!
#|service template|k||
  activated-service-template|Activated service template||
  service-template|Service template||
#|||
  word|Service template name|k/n||
    <cr>||||
    !
  !
!
