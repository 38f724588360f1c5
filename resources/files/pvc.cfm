// ATM PVC mode "(config-if-atm-vc)#": the commands of one permanent virtual
// circuit, after the IOS ATM command reference (interface-ATM-VC mode).
// Traffic rates are in kbps; the device bounds them by the line rate of the
// interface, so the ranges below take the fastest ATM line (OC-48, 2488320 kbps).
bridge-dot1q|Bridged 802.1Q VLAN tagging on this VC|k||
  encap|Outer VLAN tag of the bridged frames|k/o/n||
    <1-4094>|Outer VLAN ID|||
      <cr>||||
      !
    !
  !
!
cbr|Constant Bit Rate|k/o/n||
  <1-2488320>|Peak Cell Rate (PCR) in kbps|||
    <cr>||||
    !
  !
!
class-vc|Configure VC class|k/o/n||
  word|VC class name|||
    <cr>||||
    !
  !
!
description|VC specific description|k/o/n||
  line|Up to 240 characters describing this VC|lb/le/wa||
    <cr>||||
    !
  !
!
dialer|Dialer settings of this VC|k||
  pool-member|Specify dialer pool membership|k/o/n||
    <1-255>|Dialer pool number|||&dialer_member_opt.cfm
    !
  !
!
encapsulation|Select ATM Encapsulation for VC|k/o/n||
  #|encapsulation|||
    aal5snap|AAL5+LLC/SNAP Encapsulation||
    aal5nlpid|AAL5+NLPID Encapsulation||
    aal5auto|AAL5 auto-sense Encapsulation||
    aal2|AAL2 Encapsulation||
  #|||
    <cr>||||
    !
  !
  aal5mux|AAL5+MUX Encapsulation|||
    #|protocol|||
      ip|IP||
      ipv6|IPv6||
      voice|Voice||
      frame-relay|Frame Relay||
    #|||
      <cr>||||
      !
    !
    ppp|PPP over AAL5+MUX|||
      dialer|Dialer interface is used to bind the PPP session|||
        <cr>||||
        !
      !
      &interfacefile.cfm|Virtual Template interface|||
        <slot/port>|Virtual template number|||
          <cr>||||
          !
        !
      !
    !
  !
  aal5ciscoppp|Cisco PPP over AAL5 Encapsulation|||
    &interfacefile.cfm|Virtual Template interface|||
      <slot/port>|Virtual template number|||
        <cr>||||
        !
      !
    !
  !
  aal5autoppp|AAL5 auto-sense PPP Encapsulation|||
    &interfacefile.cfm|Virtual Template interface|||
      <slot/port>|Virtual template number|||
        <cr>||||
        !
      !
    !
  !
!
ilmi|ILMI settings of this VC|k||
  manage|Manage this VC with ILMI|k||
    <cr>||||
    !
  !
!
inarp|Inverse ARP on this VC|k/o/n||
  <cr>||||
  !
  <1-60>|Inverse ARP interval in minutes|||
    <cr>||||
    !
  !
!
oam|OAM settings of this VC|k||
  retry|OAM management retry counts|k/o/n||
    <1-600>|Up count: consecutive loopback responses that bring the VC up|||
      <1-600>|Down count: consecutive missed responses that take the VC down|||
        <1-600>|Retry frequency in seconds|||
          <cr>||||
          !
        !
      !
    !
  !
!
oam-pvc|Send OAM cells on this VC|k/o/n||
  <0-600>|Loopback cell frequency in seconds|||
    <cr>||||
    !
  !
  manage|Manage the VC with OAM loopback cells|||
    <cr>||||
    !
    <0-600>|Loopback cell frequency in seconds|||
      <cr>||||
      !
    !
  !
!
pppoe-client|PPPoE client settings of this VC|k||
  dial-pool-number|Dialer pool of the PPPoE client|k/o/n||
    <1-255>|Dialer pool number|||
      <cr>||||
      !
      dial-on-demand|Bring the session up on demand|||
        <cr>||||
        !
      !
    !
  !
!
protocol|Map a protocol address to this VC|k||
  ip|IP|k||
    a.b.c.d|Remote IP address|k/o/n||
      <cr>||||
      !
      broadcast|Send broadcasts on this VC|||
        <cr>||||
        !
      !
      no-broadcast|Do not send broadcasts on this VC|||
        <cr>||||
        !
      !
    !
    inarp|Learn the remote address with Inverse ARP|k/o/n||
      <cr>||||
      !
      broadcast|Send broadcasts on this VC|||
        <cr>||||
        !
      !
      no-broadcast|Do not send broadcasts on this VC|||
        <cr>||||
        !
      !
    !
  !
  ppp|PPP|k/o/n||
    dialer|Dialer interface is used to bind the PPP session|||
      <cr>||||
      !
    !
    &interfacefile.cfm|Virtual Template interface|||
      <slot/port>|Virtual template number|||
        <cr>||||
        !
      !
    !
  !
!
service-policy|Attach a policy-map to this VC|k||
  #|direction|k/o/n||
    input|Assign policy-map to the input of the VC||
    output|Assign policy-map to the output of the VC||
  #|||
    word|policy-map name|||
      <cr>||||
      !
    !
  !
!
shutdown|Shut down this VC|k||
  <cr>||||
  !
!
tx-ring-limit|Limit the transmit ring of this VC|k/o/n||
  <1-32767>|Ring limit in particles|||
    <cr>||||
    !
  !
!
ubr|Unspecified Bit Rate|k/o/n||
  <1-2488320>|Output Peak Cell Rate (PCR) in kbps|||
    <cr>||||
    !
    <1-2488320>|Input Peak Cell Rate (PCR) in kbps|||
      <cr>||||
      !
    !
  !
!
ubr+|Unspecified Bit Rate with a Minimum Cell Rate|k/o/n||
  <1-2488320>|Output Peak Cell Rate (PCR) in kbps|||
    <1-2488320>|Output Minimum Cell Rate (MCR) in kbps|||
      <cr>||||
      !
      <1-2488320>|Input Peak Cell Rate (PCR) in kbps|||
        <1-2488320>|Input Minimum Cell Rate (MCR) in kbps|||
          <cr>||||
          !
        !
      !
    !
  !
!
vbr-nrt|Variable Bit Rate, non real-time|k/o/n||
  <1-2488320>|Output Peak Cell Rate (PCR) in kbps|||
    <1-2488320>|Output Sustainable Cell Rate (SCR) in kbps|||
      <cr>||||
      !
      <1-65535>|Output Maximum Burst Size (MBS) in cells|||
        <cr>||||
        !
      !
    !
  !
!
vbr-rt|Variable Bit Rate, real-time|k/o/n||
  <1-2488320>|Peak rate in kbps|||
    <1-2488320>|Average rate in kbps|||
      <cr>||||
      !
      <1-65535>|Burst size in cells|||
        <cr>||||
        !
      !
    !
  !
!
vc-hold-queue|Hold queue depth of this VC|k/o/n||
  <5-1024>|Queue size in packets|||
    <cr>||||
    !
  !
!
