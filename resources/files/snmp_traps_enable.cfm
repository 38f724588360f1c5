// "snmp-server enable traps TYPE": the trap types and the notifications each
// one takes (IOS and IOS-XE command reference, Cisco-IOS-XE-snmp model).
// The types without notifications of their own end after the type; those
// whose notifications are not known here keep a free tail.  The words a
// type takes are one looping set, so that a line keeps its words as one key:
// the device writes many notifications of a type on lines of their own, and
// a "no" form of one of them must leave the others.
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
  pppoe|Allow SNMP pppoe traps||
  rep|Allow SNMP Resilient Ethernet Protocol traps||
  resource-policy|Allow CISCO-ERM-MIB notifications||
  rf|Allow all SNMP traps defined in CISCO-RF-MIB||
  rsvp|Allow RSVP flow change traps||
  rtr|Allow SNMP Response Time Reporter traps||
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
  #|notification|lb/le/wa/k/n||
    pvc|Allow SNMP atm pvc traps||
    extension|Allow SNMP atm pvc extension traps||
    up|Allow the atm pvc extended up trap||
    down|Allow the atm pvc extended down trap||
    mibversion|Extension MIB version to be used||
    <1-2>|MIB version||
    oam|Allow the atm pvc extended oam trap||
    failure|Allow the atm pvc extended oam failure trap||
    loopback|Allow the atm pvc extended oam loopback failure trap||
    interval|Minimum period between successive traps||
    <1-3600>|Seconds||
    fail-interval|Minimum period for storing the failed timestamp||
    <0-3600>|Seconds||
    subif|Allow SNMP atm subinterface traps||
    count|Maximum number of traps sent per interval||
    <1-1000>|Number of traps||
  #|||
    <cr>||||
    !
  !
!
auth-framework|Allow SNMP CISCO-AUTH-FRAMEWORK-MIB traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    sec-violation|Allow the security violation trap||
  #|||
    <cr>||||
    !
  !
!
bfd|Allow SNMP BFD traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    session-down|Allow the session down trap||
    session-up|Allow the session up trap||
  #|||
    <cr>||||
    !
  !
!
bgp|Allow SNMP BGP traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    cbgp2|Allow BGP MIBv2 traps||
    state-changes|Allow BGP state change traps||
    all|Trap for all FSM state changes||
    backward-trans|Trap for backward transitions||
    limited|Trap for standard backward transition and established||
    threshold|Allow BGP threshold traps||
    prefix|Trap for prefix threshold events||
  #|||
    <cr>||||
    !
  !
!
bridge|Allow SNMP STP Bridge MIB traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    newroot|Allow the new root trap||
    topologychange|Allow the topology change trap||
  #|||
    <cr>||||
    !
  !
!
bulkstat|Allow SNMP bulkstat traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    collection|Allow the collection notifications||
    transfer|Allow the transfer notifications||
  #|||
    <cr>||||
    !
  !
!
call-home|Allow SNMP CISCO-CALLHOME-MIB traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    message-send-fail|Allow the message send failure trap||
    server-fail|Allow the server failure trap||
  #|||
    <cr>||||
    !
  !
!
cef|Allow SNMP CEF traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    resource-failure|Allow the resource failure trap||
    peer-state-change|Allow the peer state change trap||
    peer-fib-state-change|Allow the peer FIB state change trap||
    inconsistency|Allow the inconsistency trap||
  #|||
    <cr>||||
    !
  !
!
cpu|Allow cpu related traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    threshold|Allow CPU utilization threshold violation traps||
  #|||
    <cr>||||
    !
  !
!
dlsw|Allow dlsw traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    circuit|Allow the circuit traps||
    tconn|Allow the transport connection traps||
  #|||
    <cr>||||
    !
  !
!
energywise|Allow SNMP energywise traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    event-occured|Allow the event trap||
    level-change|Allow the level change trap||
    neighbor-added|Allow the neighbor added trap||
    neighbor-deleted|Allow the neighbor deleted trap||
  #|||
    <cr>||||
    !
  !
!
entity-diag|Allow SNMP CISCO-ENTITY-DIAG-MIB traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    boot-up-fail|Allow the boot up failure trap||
    hm-test-recover|Allow the health monitor test recover trap||
    hm-thresh-reached|Allow the health monitor threshold trap||
    scheduled-test-fail|Allow the scheduled test failure trap||
  #|||
    <cr>||||
    !
  !
!
envmon|Allow environmental monitor traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    fan|Allow the fan traps||
    shutdown|Allow the shutdown traps||
    supply|Allow the power supply traps||
    temperature|Allow the temperature traps||
    status|Allow the status change traps||
  #|||
    <cr>||||
    !
  !
!
errdisable|Allow errdisable notifications|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    notification-rate|Number of notifications per minute||
    <0-10000>|Notifications per minute||
  #|||
    <cr>||||
    !
  !
!
ethernet|Allow SNMP Ethernet traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    cfm|Allow SNMP Ethernet CFM traps||
    alarm|Allow the CFM fault alarm trap||
    cc|Allow the continuity check traps||
    mep-up|Allow the MEP up trap||
    mep-down|Allow the MEP down trap||
    cross-connect|Allow the cross-connect trap||
    loop|Allow the loop trap||
    config|Allow the configuration error trap||
    crosscheck|Allow the crosscheck traps||
    mep-missing|Allow the MEP missing trap||
    mep-unknown|Allow the MEP unknown trap||
    service-up|Allow the service up trap||
    evc|Allow SNMP Ethernet EVC traps||
    create|Allow the EVC create trap||
    delete|Allow the EVC delete trap||
    status|Allow the EVC status trap||
  #|||
    <cr>||||
    !
  !
!
flash|Allow SNMP FLASH traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    insertion|Allow the flash insertion notifications||
    removal|Allow the flash removal notifications||
    lowspace|Allow the flash low space notifications||
  #|||
    <cr>||||
    !
  !
!
ike|Allow SNMP ike traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    policy|Allow the IKE policy traps||
    add|Allow the policy add trap||
    delete|Allow the policy delete trap||
    tunnel|Allow the IKE tunnel traps||
    start|Allow the tunnel start trap||
    stop|Allow the tunnel stop trap||
  #|||
    <cr>||||
    !
  !
!
ipsec|Allow SNMP ipsec traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    cryptomap|Allow the IPsec cryptomap traps||
    add|Allow the cryptomap add trap||
    attach|Allow the cryptomap attach trap||
    delete|Allow the cryptomap delete trap||
    detach|Allow the cryptomap detach trap||
    too-many-sas|Allow the too many SAs trap||
    tunnel|Allow the IPsec tunnel traps||
    start|Allow the tunnel start trap||
    stop|Allow the tunnel stop trap||
  #|||
    <cr>||||
    !
  !
!
l2tun|Allow SNMP L2 tunnel protocol traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    session|Allow the L2 session traps||
    pseudowire|Allow the pseudowire traps||
    status|Allow the pseudowire status traps||
  #|||
    <cr>||||
    !
  !
!
license|Allow license traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    deploy|Allow the license deployment traps||
    error|Allow the license error traps||
    usage|Allow the license usage traps||
  #|||
    <cr>||||
    !
  !
!
mac-notification|Allow SNMP MAC Notification Traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    change|Allow the change traps||
    move|Allow the move traps||
    threshold|Allow the threshold traps||
  #|||
    <cr>||||
    !
  !
!
memory|Allow SNMP Memory traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    bufferpeak|Allow the buffer peak traps||
  #|||
    <cr>||||
    !
  !
!
nhrp|Allow SNMP NHRP traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    nhs|Allow the NHS traps||
    nhc|Allow the NHC traps||
    nhp|Allow the NHP traps||
    quota-exceeded|Allow the quota exceeded traps||
  #|||
    <cr>||||
    !
  !
!
ospf|Allow OSPF traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    cisco-specific|Cisco specific traps||
    errors|Error traps||
    config-error|Configuration mismatch||
    virt-config-error|Virtual link configuration mismatch||
    lsa|Lsa related traps||
    lsa-maxage|Lsa aged to maxage||
    lsa-originate|New lsa originated||
    retransmit|Packet retransmit traps||
    packets|Packet retransmission on non-virtual interfaces||
    virt-packets|Packet retransmission on virtual interfaces||
    state-change|State change traps||
    nssa-trans-change|Nssa translator state changes||
    shamlink|Sham link state change traps||
    interface|Sham link interface state changes||
    interface-old|Sham link interface state changes (old form)||
    neighbor|Sham link neighbor state changes||
    authentication-failure|Authentication failure on non-virtual interfaces||
    bad-packet|Bad packet on non-virtual interfaces||
    virt-authentication-failure|Authentication failure on virtual interfaces||
    virt-bad-packet|Bad packet on virtual interfaces||
    if-state-change|Non-virtual interface state changes||
    neighbor-state-change|Non-virtual neighbor state changes||
    virtif-state-change|Virtual interface state changes||
    virtneighbor-state-change|Virtual neighbor state changes||
  #|||
    <cr>||||
    !
  !
!
ospfv3|Allow OSPFv3 traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    errors|Error traps||
    bad-packet|Bad packet on non-virtual interfaces||
    config-error|Configuration mismatch on non-virtual interfaces||
    virt-bad-packet|Bad packet on virtual interfaces||
    virt-config-error|Configuration mismatch on virtual interfaces||
    state-change|State change traps||
    if-state-change|Non-virtual interface state changes||
    neighbor-state-change|Non-virtual neighbor state changes||
    nssa-translator|Nssa translator state changes||
    restart-helper-status|Graceful restart helper status changes||
    restart-status|Graceful restart status changes||
    restart-virtual-helper-status|Virtual neighbor graceful restart helper status changes||
    virtif-state-change|Virtual interface state changes||
    virtneighbor-state-change|Virtual neighbor state changes||
  #|||
    <cr>||||
    !
  !
!
pim|Allow SNMP PIM traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    neighbor-change|Allow the neighbor change trap||
    rp-mapping-change|Allow the RP mapping change trap||
    invalid-pim-message|Allow the invalid PIM message trap||
  #|||
    <cr>||||
    !
  !
!
pimstdmib|Allow SNMP PIM standard MIB traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    neighbor-loss|Allow the neighbor loss trap||
    invalid-register|Allow the invalid register trap||
    invalid-join-prune|Allow the invalid join/prune trap||
    rp-mapping-change|Allow the RP mapping change trap||
    interface-election|Allow the interface election trap||
  #|||
    <cr>||||
    !
  !
!
port-security|Allow SNMP port-security traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    trap-rate|Number of traps per second||
    <0-1000>|Traps per second||
  #|||
    <cr>||||
    !
  !
!
power-ethernet|Allow SNMP power ethernet traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    group|Allow the inline power group based traps||
    word|Group list||
    police|Allow the policing trap||
  #|||
    <cr>||||
    !
  !
!
pw|Allow SNMP pseudowire traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    vc|Allow the pseudowire VC traps||
  #|||
    <cr>||||
    !
  !
!
snmp|Allow SNMP-type notifications|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    authentication|Allow the authentication trap||
    linkdown|Allow the linkDown trap||
    linkup|Allow the linkUp trap||
    coldstart|Allow the coldStart trap||
    warmstart|Allow the warmStart trap||
  #|||
    <cr>||||
    !
  !
!
stpx|Allow SNMP STPX MIB traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    inconsistency|Allow the inconsistency trap||
    root-inconsistency|Allow the root inconsistency trap||
    loop-inconsistency|Allow the loop inconsistency trap||
  #|||
    <cr>||||
    !
  !
!
transceiver|Allow SNMP transceiver traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    all|All transceiver traps||
  #|||
    <cr>||||
    !
  !
!
udld|Allow SNMP UDLD traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    link-fail-rpt|Allow the fast hello link failure trap||
    status-change|Allow the fast hello status change trap||
  #|||
    <cr>||||
    !
  !
!
vrfmib|Allow vrfmib traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    vrf-up|Allow the VRF up trap||
    vrf-down|Allow the VRF down trap||
    vnet-trunk-up|Allow the VNET trunk up trap||
    vnet-trunk-down|Allow the VNET trunk down trap||
  #|||
    <cr>||||
    !
  !
!
vstack|Allow SNMP Smart Install traps|k/n||
  <cr>||||
  !
  #|notification|lb/le/wa/k/n||
    addition|Allow the client added trap||
    failure|Allow the file upload or download failure trap||
    lost|Allow the client lost trap||
    operation|Allow the operation mode change trap||
  #|||
    <cr>||||
    !
  !
!
