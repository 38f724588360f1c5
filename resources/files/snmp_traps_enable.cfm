// "snmp-server enable traps TYPE": the trap types and the notifications each
// one takes (IOS and IOS-XE command reference, Cisco-IOS-XE-snmp model).
// The types without notifications of their own end after the type; those
// whose notifications are not known here keep a free tail.
#|trap type|k/n||
  aaa_server|Allow SNMP AAA traps||
  adslline|Allow SNMP ADSL line traps||
  cnpd|Allow SNMP NBAR Protocol Discovery traps||
  config|Allow SNMP config traps||
  config-copy|Allow SNMP config-copy traps||
  config-ctid|Allow SNMP config-ctid traps||
  dhcp|Allow DHCP traps||
  ds1|Allow SNMP DS1 traps||
  ds3|Allow SNMP DS3 traps||
  eigrp|Allow SNMP EIGRP traps||
  entity|Allow SNMP entity traps||
  entity-state|Allow SNMP entity state traps||
  ether-oam|Allow SNMP ethernet oam traps||
  event-manager|Allow SNMP Embedded Event Manager traps||
  flowmon|Allow SNMP flow monitor notifications||
  fru-ctrl|Allow SNMP entity FRU control traps||
  hsrp|Allow SNMP HSRP traps||
  ipmulticast|Allow SNMP ipmulticast traps||
  ipsla|Allow SNMP Host IP SLA traps||
  isis|Allow SNMP isis traps||
  msdp|Allow SNMP MSDP traps||
  mvpn|Allow Multicast Virtual Private Network traps||
  pki|Allow SNMP PKI traps||
  rep|Allow SNMP Resilient Ethernet Protocol traps||
  resource-policy|Allow CISCO-ERM-MIB notifications||
  rf|Allow all SNMP traps defined in CISCO-RF-MIB||
  rsvp|Allow RSVP flow change traps||
  sonet|Allow SNMP SONET traps||
  syslog|Allow SNMP syslog traps||
  tty|Allow TCP connection traps||
  vdsl2line|Allow SNMP VDSL2 line traps||
  vlan-membership|Allow SNMP VLAN membership traps||
  vlancreate|Allow SNMP VLAN created traps||
  vlandelete|Allow SNMP VLAN deleted traps||
  vrrp|Allow SNMP vrrp traps||
  vtp|Allow SNMP VTP traps||
#|||
  <cr>||||
  !
!
entity-sensor|Allow SNMP entity sensor traps|k/n||
  <cr>||||
  !
  line|notification kinds|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
frame-relay|Allow SNMP frame-relay traps|k/n||
  <cr>||||
  !
  line|notification kinds|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
lisp|Allow SNMP LISP traps|k/n||
  <cr>||||
  !
  line|notification kinds|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
mpls|Allow SNMP MPLS traps|k/n||
  <cr>||||
  !
  line|notification kinds|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
netsync|Allow SNMP netsync traps|k/n||
  <cr>||||
  !
  line|notification kinds|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
otn|Allow SNMP OTN traps|k/n||
  <cr>||||
  !
  line|notification kinds|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
smart-license|Allow smart license traps|k/n||
  <cr>||||
  !
  line|notification kinds|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
stackwise|Allow SNMP stackwise traps|k/n||
  <cr>||||
  !
  line|notification kinds|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
atm|Allow SNMP atm traps|k/n||
  <cr>||||
  !
  pvc|Allow SNMP atm pvc traps|k/n||
    <cr>||||
    !
    extension|Allow SNMP atm pvc extension traps|k/n||
      up|Allow the atm pvc extended up trap|k/ob/oe/n||
        <cr>||||
        !
      !
      down|Allow the atm pvc extended down trap|k/ob/oe/n||
        <cr>||||
        !
      !
      mibversion|Extension MIB version to be used|k/ob/n||
        <1-2>|MIB version|k/oe/n||
          <cr>||||
          !
        !
      !
      oam|Allow the atm pvc extended oam trap|k/n||
        failure|Allow the atm pvc extended oam failure trap|k/n||
          <cr>||||
          !
          loopback|Allow the atm pvc extended oam loopback failure trap|k/n||
            <cr>||||
            !
          !
        !
      !
    !
    interval|Minimum period between successive traps|k/ob/n||
      <1-3600>|Seconds|k/oe/n||
        <cr>||||
        !
      !
    !
    fail-interval|Minimum period for storing the failed timestamp|k/ob/n||
      <0-3600>|Seconds|k/oe/n||
        <cr>||||
        !
      !
    !
  !
  subif|Allow SNMP atm subinterface traps|k/n||
    <cr>||||
    !
    interval|Interval in which to limit the number of traps sent|k/ob/n||
      <0-3600>|Seconds|k/oe/n||
        <cr>||||
        !
      !
    !
    count|Maximum number of traps sent per interval|k/ob/n||
      <1-1000>|Number of traps|k/oe/n||
        <cr>||||
        !
      !
    !
  !
!
auth-framework|Allow SNMP CISCO-AUTH-FRAMEWORK-MIB traps|k/n||
  <cr>||||
  !
  sec-violation|Allow the security violation trap|k/ob/oe/n||
    <cr>||||
    !
  !
!
bfd|Allow SNMP BFD traps|k/n||
  <cr>||||
  !
  session-down|Allow the session down trap|k/ob/oe/n||
    <cr>||||
    !
  !
  session-up|Allow the session up trap|k/ob/oe/n||
    <cr>||||
    !
  !
!
bgp|Allow SNMP BGP traps|k/n||
  <cr>||||
  !
  cbgp2|Allow BGP MIBv2 traps|k/n||
    <cr>||||
    !
  !
  state-changes|Allow BGP state change traps|k/n||
    <cr>||||
    !
    all|Trap for all FSM state changes|k/ob/oe/n||
      <cr>||||
      !
    !
    backward-trans|Trap for backward transitions|k/ob/oe/n||
      <cr>||||
      !
    !
    limited|Trap for standard backward transition and established|k/ob/oe/n||
      <cr>||||
      !
    !
  !
  threshold|Allow BGP threshold traps|k/n||
    prefix|Trap for prefix threshold events|k/n||
      <cr>||||
      !
    !
  !
!
bridge|Allow SNMP STP Bridge MIB traps|k/n||
  <cr>||||
  !
  newroot|Allow the new root trap|k/ob/oe/n||
    <cr>||||
    !
  !
  topologychange|Allow the topology change trap|k/ob/oe/n||
    <cr>||||
    !
  !
!
bulkstat|Allow SNMP bulkstat traps|k/n||
  <cr>||||
  !
  collection|Allow the collection notifications|k/ob/oe/n||
    <cr>||||
    !
  !
  transfer|Allow the transfer notifications|k/ob/oe/n||
    <cr>||||
    !
  !
!
call-home|Allow SNMP CISCO-CALLHOME-MIB traps|k/n||
  <cr>||||
  !
  message-send-fail|Allow the message send failure trap|k/ob/oe/n||
    <cr>||||
    !
  !
  server-fail|Allow the server failure trap|k/ob/oe/n||
    <cr>||||
    !
  !
!
cef|Allow SNMP CEF traps|k/n||
  <cr>||||
  !
  resource-failure|Allow the resource failure trap|k/ob/oe/n||
    <cr>||||
    !
  !
  peer-state-change|Allow the peer state change trap|k/ob/oe/n||
    <cr>||||
    !
  !
  peer-fib-state-change|Allow the peer FIB state change trap|k/ob/oe/n||
    <cr>||||
    !
  !
  inconsistency|Allow the inconsistency trap|k/ob/oe/n||
    <cr>||||
    !
  !
!
cpu|Allow cpu related traps|k/n||
  <cr>||||
  !
  threshold|Allow CPU utilization threshold violation traps|k/ob/oe/n||
    <cr>||||
    !
  !
!
dlsw|Allow dlsw traps|k/n||
  <cr>||||
  !
  circuit|Allow the circuit traps|k/ob/oe/n||
    <cr>||||
    !
  !
  tconn|Allow the transport connection traps|k/ob/oe/n||
    <cr>||||
    !
  !
!
energywise|Allow SNMP energywise traps|k/n||
  <cr>||||
  !
  event-occured|Allow the event trap|k/ob/oe/n||
    <cr>||||
    !
  !
  level-change|Allow the level change trap|k/ob/oe/n||
    <cr>||||
    !
  !
  neighbor-added|Allow the neighbor added trap|k/ob/oe/n||
    <cr>||||
    !
  !
  neighbor-deleted|Allow the neighbor deleted trap|k/ob/oe/n||
    <cr>||||
    !
  !
!
entity-diag|Allow SNMP CISCO-ENTITY-DIAG-MIB traps|k/n||
  <cr>||||
  !
  boot-up-fail|Allow the boot up failure trap|k/ob/oe/n||
    <cr>||||
    !
  !
  hm-test-recover|Allow the health monitor test recover trap|k/ob/oe/n||
    <cr>||||
    !
  !
  hm-thresh-reached|Allow the health monitor threshold trap|k/ob/oe/n||
    <cr>||||
    !
  !
  scheduled-test-fail|Allow the scheduled test failure trap|k/ob/oe/n||
    <cr>||||
    !
  !
!
envmon|Allow environmental monitor traps|k/n||
  <cr>||||
  !
  fan|Allow the fan traps|k/ob/oe/n||
    <cr>||||
    !
  !
  shutdown|Allow the shutdown traps|k/ob/oe/n||
    <cr>||||
    !
  !
  supply|Allow the power supply traps|k/ob/oe/n||
    <cr>||||
    !
  !
  temperature|Allow the temperature traps|k/ob/oe/n||
    <cr>||||
    !
  !
  status|Allow the status change traps|k/ob/oe/n||
    <cr>||||
    !
  !
!
errdisable|Allow errdisable notifications|k/n||
  <cr>||||
  !
  notification-rate|Number of notifications per minute|k/ob/n||
    <0-10000>|Notifications per minute|k/oe/n||
      <cr>||||
      !
    !
  !
!
ethernet|Allow SNMP Ethernet traps|k/n||
  cfm|Allow SNMP Ethernet CFM traps|k/n||
    alarm|Allow the CFM fault alarm trap|k/n||
      <cr>||||
      !
    !
    cc|Allow the continuity check traps|k/n||
      <cr>||||
      !
      mep-up|Allow the MEP up trap|k/ob/oe/n||
        <cr>||||
        !
      !
      mep-down|Allow the MEP down trap|k/ob/oe/n||
        <cr>||||
        !
      !
      cross-connect|Allow the cross-connect trap|k/ob/oe/n||
        <cr>||||
        !
      !
      loop|Allow the loop trap|k/ob/oe/n||
        <cr>||||
        !
      !
      config|Allow the configuration error trap|k/ob/oe/n||
        <cr>||||
        !
      !
    !
    crosscheck|Allow the crosscheck traps|k/n||
      <cr>||||
      !
      mep-missing|Allow the MEP missing trap|k/ob/oe/n||
        <cr>||||
        !
      !
      mep-unknown|Allow the MEP unknown trap|k/ob/oe/n||
        <cr>||||
        !
      !
      service-up|Allow the service up trap|k/ob/oe/n||
        <cr>||||
        !
      !
    !
  !
  evc|Allow SNMP Ethernet EVC traps|k/n||
    <cr>||||
    !
    create|Allow the EVC create trap|k/ob/oe/n||
      <cr>||||
      !
    !
    delete|Allow the EVC delete trap|k/ob/oe/n||
      <cr>||||
      !
    !
    status|Allow the EVC status trap|k/ob/oe/n||
      <cr>||||
      !
    !
  !
!
flash|Allow SNMP FLASH traps|k/n||
  <cr>||||
  !
  insertion|Allow the flash insertion notifications|k/ob/oe/n||
    <cr>||||
    !
  !
  removal|Allow the flash removal notifications|k/ob/oe/n||
    <cr>||||
    !
  !
  lowspace|Allow the flash low space notifications|k/ob/oe/n||
    <cr>||||
    !
  !
!
ike|Allow SNMP ike traps|k/n||
  policy|Allow the IKE policy traps|k/n||
    add|Allow the policy add trap|k/ob/oe/n||
      <cr>||||
      !
    !
    delete|Allow the policy delete trap|k/ob/oe/n||
      <cr>||||
      !
    !
  !
  tunnel|Allow the IKE tunnel traps|k/n||
    start|Allow the tunnel start trap|k/ob/oe/n||
      <cr>||||
      !
    !
    stop|Allow the tunnel stop trap|k/ob/oe/n||
      <cr>||||
      !
    !
  !
!
ipsec|Allow SNMP ipsec traps|k/n||
  cryptomap|Allow the IPsec cryptomap traps|k/n||
    add|Allow the cryptomap add trap|k/ob/oe/n||
      <cr>||||
      !
    !
    attach|Allow the cryptomap attach trap|k/ob/oe/n||
      <cr>||||
      !
    !
    delete|Allow the cryptomap delete trap|k/ob/oe/n||
      <cr>||||
      !
    !
    detach|Allow the cryptomap detach trap|k/ob/oe/n||
      <cr>||||
      !
    !
  !
  too-many-sas|Allow the too many SAs trap|k/n||
    <cr>||||
    !
  !
  tunnel|Allow the IPsec tunnel traps|k/n||
    start|Allow the tunnel start trap|k/ob/oe/n||
      <cr>||||
      !
    !
    stop|Allow the tunnel stop trap|k/ob/oe/n||
      <cr>||||
      !
    !
  !
!
l2tun|Allow SNMP L2 tunnel protocol traps|k/n||
  session|Allow the L2 session traps|k/n||
    <cr>||||
    !
  !
  pseudowire|Allow the pseudowire traps|k/n||
    status|Allow the pseudowire status traps|k/n||
      <cr>||||
      !
    !
  !
!
license|Allow license traps|k/n||
  <cr>||||
  !
  deploy|Allow the license deployment traps|k/ob/oe/n||
    <cr>||||
    !
  !
  error|Allow the license error traps|k/ob/oe/n||
    <cr>||||
    !
  !
  usage|Allow the license usage traps|k/ob/oe/n||
    <cr>||||
    !
  !
!
mac-notification|Allow SNMP MAC Notification Traps|k/n||
  <cr>||||
  !
  change|Allow the change traps|k/ob/oe/n||
    <cr>||||
    !
  !
  move|Allow the move traps|k/ob/oe/n||
    <cr>||||
    !
  !
  threshold|Allow the threshold traps|k/ob/oe/n||
    <cr>||||
    !
  !
!
memory|Allow SNMP Memory traps|k/n||
  <cr>||||
  !
  bufferpeak|Allow the buffer peak traps|k/ob/oe/n||
    <cr>||||
    !
  !
!
nhrp|Allow SNMP NHRP traps|k/n||
  <cr>||||
  !
  nhs|Allow the NHS traps|k/ob/oe/n||
    <cr>||||
    !
  !
  nhc|Allow the NHC traps|k/ob/oe/n||
    <cr>||||
    !
  !
  nhp|Allow the NHP traps|k/ob/oe/n||
    <cr>||||
    !
  !
  quota-exceeded|Allow the quota exceeded traps|k/ob/oe/n||
    <cr>||||
    !
  !
!
ospf|Allow OSPF traps|k/n||
  <cr>||||
  !
  cisco-specific|Cisco specific traps|k/n||
    <cr>||||
    !
    errors|Error traps|k/n||
      <cr>||||
      !
      config-error|Configuration mismatch|k/ob/oe/n||
        <cr>||||
        !
      !
      virt-config-error|Virtual link configuration mismatch|k/ob/oe/n||
        <cr>||||
        !
      !
    !
    lsa|Lsa related traps|k/n||
      <cr>||||
      !
      lsa-maxage|Lsa aged to maxage|k/ob/oe/n||
        <cr>||||
        !
      !
      lsa-originate|New lsa originated|k/ob/oe/n||
        <cr>||||
        !
      !
    !
    retransmit|Packet retransmit traps|k/n||
      <cr>||||
      !
      packets|Packet retransmission on non-virtual interfaces|k/ob/oe/n||
        <cr>||||
        !
      !
      virt-packets|Packet retransmission on virtual interfaces|k/ob/oe/n||
        <cr>||||
        !
      !
    !
    state-change|State change traps|k/n||
      <cr>||||
      !
      nssa-trans-change|Nssa translator state changes|k/n||
        <cr>||||
        !
      !
      shamlink|Sham link state change traps|k/n||
        <cr>||||
        !
        interface|Sham link interface state changes|k/ob/oe/n||
          <cr>||||
          !
        !
        interface-old|Sham link interface state changes (old form)|k/ob/oe/n||
          <cr>||||
          !
        !
        neighbor|Sham link neighbor state changes|k/ob/oe/n||
          <cr>||||
          !
        !
      !
    !
  !
  errors|Error traps|k/n||
    <cr>||||
    !
    authentication-failure|Authentication failure on non-virtual interfaces|k/ob/oe/n||
      <cr>||||
      !
    !
    bad-packet|Bad packet on non-virtual interfaces|k/ob/oe/n||
      <cr>||||
      !
    !
    config-error|Configuration mismatch on non-virtual interfaces|k/ob/oe/n||
      <cr>||||
      !
    !
    virt-authentication-failure|Authentication failure on virtual interfaces|k/ob/oe/n||
      <cr>||||
      !
    !
    virt-bad-packet|Bad packet on virtual interfaces|k/ob/oe/n||
      <cr>||||
      !
    !
    virt-config-error|Configuration mismatch on virtual interfaces|k/ob/oe/n||
      <cr>||||
      !
    !
  !
  lsa|Lsa related traps|k/n||
    <cr>||||
    !
    lsa-maxage|Lsa aged to maxage|k/ob/oe/n||
      <cr>||||
      !
    !
    lsa-originate|New lsa originated|k/ob/oe/n||
      <cr>||||
      !
    !
  !
  retransmit|Packet retransmit traps|k/n||
    <cr>||||
    !
    packets|Packet retransmission on non-virtual interfaces|k/ob/oe/n||
      <cr>||||
      !
    !
    virt-packets|Packet retransmission on virtual interfaces|k/ob/oe/n||
      <cr>||||
      !
    !
  !
  state-change|State change traps|k/n||
    <cr>||||
    !
    if-state-change|Non-virtual interface state changes|k/ob/oe/n||
      <cr>||||
      !
    !
    neighbor-state-change|Non-virtual neighbor state changes|k/ob/oe/n||
      <cr>||||
      !
    !
    virtif-state-change|Virtual interface state changes|k/ob/oe/n||
      <cr>||||
      !
    !
    virtneighbor-state-change|Virtual neighbor state changes|k/ob/oe/n||
      <cr>||||
      !
    !
  !
!
ospfv3|Allow OSPFv3 traps|k/n||
  <cr>||||
  !
  errors|Error traps|k/n||
    <cr>||||
    !
    bad-packet|Bad packet on non-virtual interfaces|k/ob/oe/n||
      <cr>||||
      !
    !
    config-error|Configuration mismatch on non-virtual interfaces|k/ob/oe/n||
      <cr>||||
      !
    !
    virt-bad-packet|Bad packet on virtual interfaces|k/ob/oe/n||
      <cr>||||
      !
    !
    virt-config-error|Configuration mismatch on virtual interfaces|k/ob/oe/n||
      <cr>||||
      !
    !
  !
  state-change|State change traps|k/n||
    <cr>||||
    !
    if-state-change|Non-virtual interface state changes|k/ob/oe/n||
      <cr>||||
      !
    !
    neighbor-state-change|Non-virtual neighbor state changes|k/ob/oe/n||
      <cr>||||
      !
    !
    nssa-translator|Nssa translator state changes|k/ob/oe/n||
      <cr>||||
      !
    !
    restart-helper-status|Graceful restart helper status changes|k/ob/oe/n||
      <cr>||||
      !
    !
    restart-status|Graceful restart status changes|k/ob/oe/n||
      <cr>||||
      !
    !
    restart-virtual-helper-status|Virtual neighbor graceful restart helper status changes|k/ob/oe/n||
      <cr>||||
      !
    !
    virtif-state-change|Virtual interface state changes|k/ob/oe/n||
      <cr>||||
      !
    !
    virtneighbor-state-change|Virtual neighbor state changes|k/ob/oe/n||
      <cr>||||
      !
    !
  !
!
pim|Allow SNMP PIM traps|k/n||
  <cr>||||
  !
  neighbor-change|Allow the neighbor change trap|k/ob/oe/n||
    <cr>||||
    !
  !
  rp-mapping-change|Allow the RP mapping change trap|k/ob/oe/n||
    <cr>||||
    !
  !
  invalid-pim-message|Allow the invalid PIM message trap|k/ob/oe/n||
    <cr>||||
    !
  !
!
pimstdmib|Allow SNMP PIM standard MIB traps|k/n||
  <cr>||||
  !
  neighbor-loss|Allow the neighbor loss trap|k/ob/oe/n||
    <cr>||||
    !
  !
  invalid-register|Allow the invalid register trap|k/ob/oe/n||
    <cr>||||
    !
  !
  invalid-join-prune|Allow the invalid join/prune trap|k/ob/oe/n||
    <cr>||||
    !
  !
  rp-mapping-change|Allow the RP mapping change trap|k/ob/oe/n||
    <cr>||||
    !
  !
  interface-election|Allow the interface election trap|k/ob/oe/n||
    <cr>||||
    !
  !
!
port-security|Allow SNMP port-security traps|k/n||
  <cr>||||
  !
  trap-rate|Number of traps per second|k/ob/n||
    <0-1000>|Traps per second|k/oe/n||
      <cr>||||
      !
    !
  !
!
power-ethernet|Allow SNMP power ethernet traps|k/n||
  <cr>||||
  !
  group|Allow the inline power group based traps|k/n||
    word|Group list|k/n||
      <cr>||||
      !
    !
  !
  police|Allow the policing trap|k/n||
    <cr>||||
    !
  !
!
pw|Allow SNMP pseudowire traps|k/n||
  <cr>||||
  !
  vc|Allow the pseudowire VC traps|k/ob/oe/n||
    <cr>||||
    !
  !
!
snmp|Allow SNMP-type notifications|k/n||
  <cr>||||
  !
  authentication|Allow the authentication trap|k/ob/oe/n||
    <cr>||||
    !
  !
  linkdown|Allow the linkDown trap|k/ob/oe/n||
    <cr>||||
    !
  !
  linkup|Allow the linkUp trap|k/ob/oe/n||
    <cr>||||
    !
  !
  coldstart|Allow the coldStart trap|k/ob/oe/n||
    <cr>||||
    !
  !
  warmstart|Allow the warmStart trap|k/ob/oe/n||
    <cr>||||
    !
  !
!
stpx|Allow SNMP STPX MIB traps|k/n||
  <cr>||||
  !
  inconsistency|Allow the inconsistency trap|k/ob/oe/n||
    <cr>||||
    !
  !
  root-inconsistency|Allow the root inconsistency trap|k/ob/oe/n||
    <cr>||||
    !
  !
  loop-inconsistency|Allow the loop inconsistency trap|k/ob/oe/n||
    <cr>||||
    !
  !
!
transceiver|Allow SNMP transceiver traps|k/n||
  all|All transceiver traps|k/n||
    <cr>||||
    !
  !
!
udld|Allow SNMP UDLD traps|k/n||
  <cr>||||
  !
  link-fail-rpt|Allow the fast hello link failure trap|k/ob/oe/n||
    <cr>||||
    !
  !
  status-change|Allow the fast hello status change trap|k/ob/oe/n||
    <cr>||||
    !
  !
!
vrfmib|Allow vrfmib traps|k/n||
  <cr>||||
  !
  vrf-up|Allow the VRF up trap|k/ob/oe/n||
    <cr>||||
    !
  !
  vrf-down|Allow the VRF down trap|k/ob/oe/n||
    <cr>||||
    !
  !
  vnet-trunk-up|Allow the VNET trunk up trap|k/ob/oe/n||
    <cr>||||
    !
  !
  vnet-trunk-down|Allow the VNET trunk down trap|k/ob/oe/n||
    <cr>||||
    !
  !
!
vstack|Allow SNMP Smart Install traps|k/n||
  <cr>||||
  !
  addition|Allow the client added trap|k/ob/oe/n||
    <cr>||||
    !
  !
  failure|Allow the file upload or download failure trap|k/ob/oe/n||
    <cr>||||
    !
  !
  lost|Allow the client lost trap|k/ob/oe/n||
    <cr>||||
    !
  !
  operation|Allow the operation mode change trap|k/ob/oe/n||
    <cr>||||
    !
  !
!
