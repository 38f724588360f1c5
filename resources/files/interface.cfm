// Interface configuration mode "(config-if)#", for every interface type and
// sub-interface.  Most commands set one value of the interface: the command
// keyword carries "k/o/n" (a new value replaces the old one; "no <command>"
// may stop there).  Switches that the device shows in both forms ("ip
// redirects" / "no ip redirects") carry "sb/o": both forms are stored and
// replace each other.

antenna|Configure antenna setting|k||
  gain|Configure antenna gain|k/o/n||
    <0-20>|Gain in dBi|||
      <cr>||||
      !
    !
  !
!
arp|Set arp type (arpa, probe, snap) or timeout|k||
  #|ARP type|k/o/sb||
    arpa|Standard arp protocol||
    frame-relay|Enable ARP for a frame relay interface||
    probe|HP style arp protocol||
    snap|IEEE 802.3 style arp||
  #|||
    <cr>||||
    !
  !
  timeout|Set ARP cache timeout|k/o/n||
    <0-2147483>|Seconds|||
      <cr>||||
      !
    !
  !
!
async|Asynchronous interface settings|k||
  mode|Asynchronous line mode|k/o/n||
    #|mode|||
      dedicated|Dedicated asynchronous mode||
      interactive|Interactive asynchronous mode||
    #|||
      <cr>||||
      !
    !
  !
!
// ATM interface settings (IOS ATM and DSL command references).
atm|Modify ATM parameters|k||
  ilmi-keepalive|ILMI keepalive|k/o/sb||
    <cr>||||
    !
    <1-65535>|Keepalive interval in seconds|||
      <cr>||||
      !
    !
  !
  ilmi-pvc-discovery|ILMI PVC discovery|k/o/sb||
    <cr>||||
    !
    subinterface|Assign discovered PVCs to subinterfaces|||
      <cr>||||
      !
    !
  !
!
auto|Configure Automation|k||
  qos|Configure AutoQoS|k||
    voip|Configure AutoQoS for VoIP|k/o/n||
      #|trust source|||
        cisco-phone|Trust the QoS marking of Cisco IP Phone||
        cisco-softphone|Trust the QoS marking of Cisco IP SoftPhone||
        trust|Trust the DSCP/CoS marking||
      #|||
        <cr>||||
        !
      !
    !
    trust|Trust the DSCP/CoS marking|k/o/n||
      <cr>||||
      !
      #|marking|||
        cos|Trust the CoS marking||
        dscp|Trust the DSCP marking||
      #|||
        <cr>||||
        !
      !
    !
    video|Configure AutoQoS for video devices|k/o/n||
      #|video device|||
        cts|Trust the QoS marking of Cisco TelePresence System||
        ip-camera|Trust the QoS marking of Cisco IP camera||
        media-player|Trust the QoS marking of Cisco digital media player||
      #|||
        <cr>||||
        !
      !
    !
  !
!
autostate|Include or exclude this interface from the VLAN link-up calculation|k/o/sb||
  <cr>||||
  !
!
access-session|Access session settings|k||
  port-control|Set the port-control value|k/o/n||
    #|value|||
      auto|PortState will be set to AUTO||
      force-authorized|PortState set to Authorized||
      force-unauthorized|PortState will be set to UnAuthorized||
    #|||
      <cr>||||
      !
    !
  !
  host-mode|Set the host mode for authentication on this interface|k/o/n||
    #|mode|||
      multi-auth|Multiple Authentication Mode||
      multi-domain|Multiple Domain Mode||
      multi-host|Multiple Host Mode||
      single-host|Single Host Mode||
    #|||
      <cr>||||
      !
    !
  !
  closed|Enable closed access on port (disable open access)|k/o/sb||
    <cr>||||
    !
  !
  control-direction|Set the control-direction on the interface|k/o/n||
    #|direction|||
      both|Control traffic in both directions||
      in|Control inbound traffic only||
    #|||
      <cr>||||
      !
    !
  !
  interface-template|Interface template|k||
    sticky|Keep the template applied|k/o/sb||
      <cr>||||
      !
      timer|Template timer|||
        <1-65535>|Seconds|||
          <cr>||||
          !
        !
      !
    !
  !
!
authentication|Auth Manager Interface Configuration Commands|k||
  control-direction|Set the control-direction on the interface|k/o/n||
    #|direction|||
      both|Control traffic in both directions||
      in|Control inbound traffic only||
    #|||
      <cr>||||
      !
    !
  !
  host-mode|Set the Host mode for authentication on this interface|k/o/n||
    #|mode|||
      multi-auth|Multiple Authentication Mode||
      multi-domain|Multiple Domain Mode||
      multi-host|Multiple Host Mode||
      single-host|Single Host Mode||
    #|||
      <cr>||||
      !
    !
  !
  periodic|Enable or Disable Reauthentication for this port|k/o/sb||
    <cr>||||
    !
  !
  port-control|set the port-control value|k/o/n||
    #|value|||
      auto|PortState will be set to AUTO||
      force-authorized|PortState set to Authorized||
      force-unauthorized|PortState will be set to UnAuthorized||
    #|||
      <cr>||||
      !
    !
  !
  timer|Set authentication timer values|k||
    reauthenticate|Time in seconds after which an automatic re-authentication should be initiated|k/o/n||
      <1-1073741823>|Enter a value between 1 and 1073741823|||
        <cr>||||
        !
      !
      server|Obtain re-authentication timeout value from the server|||
        <cr>||||
        !
      !
    !
    restart|Time in seconds after which an attempt is made to authenticate an unauthorized port|k/o/n||
      <1-65535>|Enter a value between 1 and 65535|||
        <cr>||||
        !
      !
    !
    inactivity|Interval in seconds after which if there is no activity from the client then it will be unauthorized|k/o/n||
      <1-65535>|Enter a value between 1 and 65535|||
        <cr>||||
        !
        dynamic|Enable the dynamic inactivity timer|||
          <cr>||||
          !
        !
      !
      server|Obtain inactivity timeout value from the server|||
        <cr>||||
        !
        dynamic|Enable the dynamic inactivity timer|||
          <cr>||||
          !
        !
      !
    !
  !
  order|Add an ordered list of methods to be applied|k/o/n||
    #|method|lb/le/wa||
      dot1x|Authentication method dot1x allowed||
      mab|Authentication method mab allowed||
      webauth|Authentication method webauth allowed||
    #|||
      <cr>||||
      !
    !
  !
  priority|Add a prioritized list of methods|k/o/n||
    #|method|lb/le/wa||
      dot1x|Authentication method dot1x allowed||
      mab|Authentication method mab allowed||
      webauth|Authentication method webauth allowed||
    #|||
      <cr>||||
      !
    !
  !
  event|Set action for authentication events|k||
    fail|Authentication failure event|k||
      action|Required action for authentication event|k/o/n||
        authorize|Authorize the port|||
          vlan|Configure authorization VLAN|||
            <1-4094>|Enter a VlanId|||
              <cr>||||
              !
            !
          !
        !
        next-method|Move to next authentication method|||
          <cr>||||
          !
        !
      !
      retry|Number of times authentication is retried|k/o/n||
        <0-5>|Enter a value between 0 and 5|||
          action|Required action for authentication event|||
            authorize|Authorize the port|||
              vlan|Configure authorization VLAN|||
                <1-4094>|Enter a VlanId|||
                  <cr>||||
                  !
                !
              !
            !
            next-method|Move to next authentication method|||
              <cr>||||
              !
            !
          !
        !
      !
    !
    server|Authentication server event|k||
      dead|All authentication servers are dead|k||
        action|Required action for authentication event|k/o/n||
          authorize|Authorize the port|||
            <cr>||||
            !
            vlan|Configure authorization VLAN|||
              <1-4094>|Enter a VlanId|||
                <cr>||||
                !
              !
            !
            voice|Authorize the voice domain|||
              <cr>||||
              !
            !
          !
          reinitialize|Reinitialize all authorized clients|||
            vlan|Configure authorization VLAN|||
              <1-4094>|Enter a VlanId|||
                <cr>||||
                !
              !
            !
          !
        !
      !
      alive|Authentication server is alive|k||
        action|Required action for authentication event|k/o/n||
          reinitialize|Reinitialize all authorized clients|||
            <cr>||||
            !
          !
        !
      !
    !
    no-response|Client non-responsive event|k||
      action|Required action for authentication event|k/o/n||
        authorize|Authorize the port|||
          vlan|Configure authorization VLAN|||
            <1-4094>|Enter a VlanId|||
              <cr>||||
              !
            !
          !
        !
      !
    !
  !
  violation|Configure action to take on security violations|k/o/n||
    #|action|||
      protect|Silently drop violating packets||
      replace|Remove the current session and authenticate the new host||
      restrict|Drop violating packets and log the violation||
      shutdown|Error-disable the port||
    #|||
      <cr>||||
      !
    !
  !
  open|Enable or Disable open access on this port|k/o/sb||
    <cr>||||
    !
  !
!
bandwidth|Set bandwidth informational parameter|k/o/n||
  <1-100000000>|Bandwidth in kilobits|||
    <cr>||||
    !
  !
  inherit|Specify that bandwidth is inherited|k/o/sb||
    <cr>||||
    !
    <1-100000000>|Bandwidth in kilobits|||
      <cr>||||
      !
    !
  !
  receive|Specify receive-side bandwidth|k/o/n||
    <1-100000000>|Bandwidth in kilobits|||
      <cr>||||
      !
    !
  !
!
bfd|BFD interface configuration commands|k||
  interval|Transmit interval between BFD packets|k/o/n||
    <50-9999>|Milliseconds|||
      min_rx|Minimum receive interval capability|||
        <50-9999>|Milliseconds|||
          multiplier|Multiplier value used to compute holddown|||
            <3-50>|value used to multiply the interval|||
              <cr>||||
              !
            !
          !
        !
      !
    !
  !
  echo|Use echo adjunct as bfd detection mechanism|k/o/sb||
    <cr>||||
    !
  !
  template|BFD template|k/o/n||
    word|bfd template name|||
      <cr>||||
      !
    !
  !
!
bgp-policy|Apply policy propagated by bgp community string|k||
  accounting|bgp based policy accounting of traffic|k/o/n||
    <cr>||||
    !
    #|direction|||
      input|apply bgp accounting policy on input traffic||
      output|apply bgp accounting policy on output traffic||
    #|||
      <cr>||||
      !
      source|use source IP address for route lookup||
        <cr>||||
        !
      !
    !
  !
  #|lookup|k||
    destination|use destination IP address for route lookup||
    source|use source IP address for route lookup||
  #|||
    #|map|k/o/sb||
      ip-prec-map|set ip precedence field||
      ip-qos-map|set qos-group id||
    #|||
      <cr>||||
      !
    !
  !
!
bridge-group|Transparent bridging interface parameters|k||
  <1-255>|Assign an interface to a Bridge Group|k/n||
    <cr>||||
    !
    #|Bridge group option|k/o/sb||
      block-unknown-source|Block unknown source addresses||
      source-learning|Source learning||
      subscriber-loop-control|Subscriber loop control||
      unicast-flooding|Unicast flooding||
    #|||
      <cr>||||
      !
    !
    spanning-disabled|Disable spanning tree on this interface|k/o/sb||
      <cr>||||
      !
    !
    // Kept for listings that carry it (seen in a corpus file); not a device keyword.
    spanning-disabledinterface|Disable spanning tree on this interface|k||
      &interfacefile.cfm|Interface type|o/n||
        <slot/port>|Interface number|||
          <cr>||||
          !
        !
      !
    !
  !
!
bundle-enable|Enable ATM bundle processing|k/o/sb||
  <cr>||||
  !
!
carrier-delay|Specify delay for interface transitions|k/o/n||
  <0-60>|Carrier Transitions delay seconds|||
    <cr>||||
    !
  !
  msec|delay specified in milliseconds|||
    <0-1000>|Carrier Transitions delay milliseconds|||
      <cr>||||
      !
    !
  !
!
cdp|CDP interface subcommands|k||
  enable|Enable CDP on interface|k/o/sb||
    <cr>||||
    !
  !
  log|Log CDP messages|k||
    mismatch|Log CDP mismatches|k||
      duplex|Log duplex mismatches|k/sn||
        <cr>||||
        !
      !
    !
  !
!
channel|Radio channel|k/o/n||
  <1-4096>|Channel number or frequency in MHz|||
    <cr>||||
    !
  !
  width|Channel width|k/o/n||
    #|width|||
      20|20 MHz channel width||
      40|40 MHz channel width||
      80|80 MHz channel width||
      160|160 MHz channel width||
    #|||
      <cr>||||
      !
    !
  !
  least-congested|Scan for the least congested channel|||
    <cr>||||
    !
  !
  dfs|Dynamic frequency selection channel|||
    <cr>||||
    !
  !
!
channel-group|Etherchannel/port bundling configuration|k/o/n||
  <1-512>|Channel group number|||
    <cr>||||
    !
    mode|Etherchannel Mode of the interface|||
      #|mode|||
        active|Enable LACP unconditionally||
        auto|Enable PAgP only if a PAgP device is detected||
        desirable|Enable PAgP unconditionally||
        on|Enable Etherchannel only||
        passive|Enable LACP only if a LACP device is detected||
      #|||
        <cr>||||
        !
        #|PAgP option|||
          non-silent|Start negotiation only after data packets received||
          silent|Start negotiation only after data packets received||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
!
channel-protocol|Select the channel protocol (LACP, PAgP)|k/o/n||
  #|protocol|||
    lacp|Prepare interface for LACP protocol||
    pagp|Prepare interface for PAgP protocol||
  #|||
    <cr>||||
    !
  !
!
clock|Serial interface clock|k||
  rate|Clock rate of a DCE serial interface|k/o/n||
    <246-8064000>|Bits per second|||
      <cr>||||
      !
    !
  !
  source|Clock source|k/o/n||
    #|source|||
      internal|Internal clock||
      line|Clock recovered from the line||
    #|||
      <cr>||||
      !
    !
  !
!
clns|CLNS interface subcommands|k||
  route-cache|Enable fast switching through the cache|k/o/sb||
    <cr>||||
    !
  !
  router|Enable CLNS routing protocol on interface|k||
    isis|IS-IS routing protocol|k/o/n||
      <cr>||||
      !
      word|Routing process tag|||
        <cr>||||
        !
      !
    !
  !
  mtu|Set MTU packet size for interface|k/o/n||
    <512-65535>|MTU packet size for interface|||
      <cr>||||
      !
    !
  !
!
crypto|Encryption/Decryption commands|k||
  map|Assign a Crypto Map|k/o/n||
    word|Crypto Map tag|||
      <cr>||||
      !
      redundancy|Enable redundancy|||
        <cr>||||
        !
        word|Redundancy group name|||
          <cr>||||
          !
          stateful|enable stateful failover|||
            <cr>||||
            !
          !
        !
        stateful|enable stateful failover|||
          <cr>||||
          !
        !
      !
    !
  !
!
cts|Configure Cisco TrustSec|k||
  dot1x|Configure TrustSec 802.1X|k||
    <cr>||||@(config-if-cts-dot1x)# cts_if.cfm
    !
  !
  manual|Supply local configuration for TrustSec parameters|k||
    <cr>||||@(config-if-cts-manual)# cts_if.cfm
    !
  !
  layer3|Configure TrustSec layer 3 features|k||
    #|address family|k||
      ipv4|IPv4||
      ipv6|IPv6||
    #|||
      trustsec|TrustSec layer 3 transport|k/o/sb||
        <cr>||||
        !
        forwarding|Forwarding|||
          <cr>||||
          !
        !
      !
      policy|Traffic policy|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  role-based|Role-based access control|k||
    enforcement|Enforce role-based access control|k/o/sb||
      <cr>||||
      !
    !
    sgt-map|Security group tag mapping|k||
      sgt|Security group tag|k||
        <2-65519>|Tag|k/o/n||
          <cr>||||
          !
        !
      !
    !
  !
!
default|Set a command to its defaults|k||
  line|the command to set to its default|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
delay|Specify interface throughput delay|k/o/n||
  <1-16777215>|Throughput delay (tens of microseconds)|||
    <cr>||||
    !
  !
!
device-tracking|Device tracking on the interface|k/o/sb||
  <cr>||||
  !
  attach-policy|Attach a device tracking policy|||
    word|Policy name|||
      <cr>||||
      !
      vlan|VLANs the policy applies to|||
        word|VLAN list, example 1,3-5,7|||
          <cr>||||
          !
        !
        all|All VLANs|||
          <cr>||||
          !
        !
      !
    !
  !
!
description|Interface specific description|k/o/n||
  line|Up to 240 characters describing this interface|lb/le/wa||
    <cr>||||
    !
  !
!
dfs|Dynamic frequency selection|k/o/sb||
  <cr>||||
  !
!
dialer|Dial-on-demand routing (DDR) commands|k||
  idle-timeout|Specify idle timeout before disconnecting line|k/o/n||
    <0-2147483>|Idle timeout before disconnecting a call|||
      <cr>||||
      !
      #|traffic|||
        either|Reset idle timer based on both inbound and outbound traffic||
        inbound|Reset idle timer based on inbound traffic only||
      #|||
        <cr>||||
        !
      !
    !
  !
  in-band|Set v.25bis dialing for interface|k/o/sb||
    <cr>||||
    !
  !
  pool|Specify dialer pool to be used|k/o/n||
    <1-255>|Dialer pool number|||
      <cr>||||
      !
    !
  !
  pool-member|Specify dialer pool membership|k/o/n||
    <1-255>|Dialer pool number|||&dialer_member_opt.cfm
    !
  !
  persistent|Keep the dialer connection up|k/o/sb||
    <cr>||||
    !
  !
  string|Number or string to dial|k/o/n||
    word|Dial string|||
      <cr>||||
      !
      class|Dialer map class|||
        word|Map class name|||
          <cr>||||
          !
        !
      !
    !
  !
!
dialer-group|Assign interface to dialer-list|k/o/n||
  <1-128>|Dialer list number|||
    <cr>||||
    !
  !
!
disable|Disable the interface|k/o/sb||
  <cr>||||
  !
!
dot1q|dot1q interface configuration commands|k||
  tunneling|Configure dot1q tunneling|k||
    ethertype|Ethertype of the outer tag|k/o/n||
      #|ethertype|||
        0x88a8|802.1ad ethertype||
        0x9100|Ethertype 0x9100||
        0x9200|Ethertype 0x9200||
      #|||
        <cr>||||
        !
      !
    !
  !
!
dot1x|Interface Config Commands for IEEE 802.1X|k||
  pae|Set 802.1x interface pae type|k/o/n||
    #|PAE type|||
      authenticator|Set 802.1x interface pae type to Authenticator||
      both|Set 802.1x interface pae type to Supplicant and Authenticator||
      supplicant|Set 802.1x interface pae type to Supplicant||
    #|||
      <cr>||||
      !
    !
  !
  timeout|Various Timeouts|k||
    #|timer|k/o/n||
      tx-period|Timeout for supplicant reply||
      quiet-period|Timeout for authenticator after a failed authentication||
      server-timeout|Timeout for Radius Retries||
      supp-timeout|Timeout for supplicant reply||
      reauth-period|Timeout for reauthentication||
    #|||
      <1-65535>|seconds|||
        <cr>||||
        !
      !
    !
  !
  max-reauth-req|Max No. of Reauthentication Attempts|k/o/n||
    <1-10>|Attempts|||
      <cr>||||
      !
    !
  !
  max-req|Max No. of EAPOL requests|k/o/n||
    <1-10>|Attempts|||
      <cr>||||
      !
    !
  !
  port-control|Set the port-control value|k/o/n||
    #|value|||
      auto|PortState will be set to AUTO||
      force-authorized|PortState set to Authorized||
      force-unauthorized|PortState will be set to UnAuthorized||
    #|||
      <cr>||||
      !
    !
  !
  host-mode|Set the Host mode for 802.1x on this interface|k/o/n||
    #|mode|||
      multi-auth|Multiple Authentication Mode||
      multi-domain|Multiple Domain Mode||
      multi-host|Multiple Host Mode||
      single-host|Single Host Mode||
    #|||
      <cr>||||
      !
    !
  !
!
dsl|DSL settings|k||
  operating-mode|DSL operating mode|k/o/n||
    #|mode|||
      adsl1|ADSL1 operating mode||
      adsl2|ADSL2 operating mode||
      adsl2+|ADSL2+ operating mode||
      ansi-dmt|ANSI full rate mode||
      auto|Auto detect the operating mode||
      itu-dmt|ITU full rate mode||
      splitterless|G.Lite mode||
      vdsl2|VDSL2 operating mode||
    #|||
      <cr>||||
      !
    !
  !
  equipment-type|Configure the DSL equipment type|k/o/n||
    #|type|||
      co|Central office||
      cpe|Customer premises||
    #|||
      <cr>||||
      !
    !
  !
  linerate|DSL line rate|k/o/n||
    #|rate|||
      auto|Automatic line rate||
      <72-4624>|Line rate in kbps||
    #|||
      <cr>||||
      !
    !
  !
!
duplex|Configure duplex operation|k/o/n||
  #|mode|||
    auto|Enable AUTO duplex configuration||
    full|Force full duplex operation||
    half|Force half-duplex operation||
  #|||
    <cr>||||
    !
  !
!
encapsulation|Set encapsulation type for an interface|k/o/n||
  dot1q|IEEE 802.1Q Virtual LAN|||
    <1-4094>|IEEE 802.1Q VLAN ID|||
      <cr>||||
      !
      native|Make this as native vlan|||
        <cr>||||
        !
      !
      second-dot1q|Configure this subinterface as a 802.1Q tunnel|||
        #|inner VLAN|||
          <1-4094>|inner VLAN ID||
          any|Any inner VLAN id not configured on other subinterfaces||
        #|||
          <cr>||||
          !
        !
        word|Inner VLAN ID range, example: 100-200,300|||
          <cr>||||
          !
        !
      !
    !
  !
  isl|Inter Switch Link - Virtual LAN encapsulation|||
    <1-1000>|Virtual LAN Identifier|||
      <cr>||||
      !
    !
  !
  frame-relay|Frame Relay networks|||
    <cr>||||
    !
    #|frame relay type|||
      ietf|Use RFC1490/RFC2427 encapsulation||
      cisco|Use Cisco encapsulation||
    #|||
      <cr>||||
      !
    !
  !
  #|encapsulation|||
    aal5snap|AAL5+LLC/SNAP Encapsulation||
    arpa|Ethernet ARPA||
    default|Default encapsulation||
    hdlc|Serial HDLC synchronous||
    lapb|LAPB (X.25 Level 2)||
    mpls|MPLS encapsulation||
    ppp|Point-to-Point protocol||
    slip|Serial Line IP||
    untagged|Untagged encapsulation||
  #|||
    <cr>||||
    !
  !
!
encryption|Encryption settings (radio interfaces)|k||
  mode|encryption mode|k/o/n||&radio_encryption.cfm
  !
  vlan|vlan|k||
    <1-4095>|vlan id|k||
      mode|encryption mode|o/n||&radio_encryption.cfm
      !
    !
  !
!
ethernet|Ethernet interface settings|k||
  oam|Ethernet OAM|k/o/sb||
    <cr>||||
    !
    max-rate|Maximum OAM PDUs per second|k/o/n||
      <1-10>|PDUs per second|||
        <cr>||||
        !
      !
    !
    min-rate|Minimum OAM PDU rate|k/o/n||
      <1-10>|Seconds between OAM PDUs|||
        <cr>||||
        !
      !
    !
    mode|OAM mode|k/o/n||
      #|mode|||
        active|Active mode||
        passive|Passive mode||
      #|||
        <cr>||||
        !
      !
    !
    timeout|Timeout|k/o/n||
      <2-30>|Seconds|||
        <cr>||||
        !
      !
    !
    remote-loopback|Remote loopback|k||
      supported|Support remote loopback|k/o/sb||
        <cr>||||
        !
      !
      timeout|Remote loopback timeout|k/o/n||
        <1-10>|Seconds|||
          <cr>||||
          !
        !
      !
    !
    link-monitor|Link monitoring|k||
      supported|Support link monitoring|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  udld|Unidirectional link detection|k||
    <cr>||||@(config-if-udld)# ethernet_udld.cfm
    !
  !
  cfm|Ethernet connectivity fault management|k||
    mip|Maintenance intermediate point|k||
      level|Maintenance level|k||
        <0-7>|Maintenance level|k/n||
          <cr>||||
          !
          vlan|VLANs|k/o/n||
            word|VLAN list|||
              <cr>||||
              !
            !
          !
        !
      !
    !
    mep|Maintenance end point|k||
      domain|Maintenance domain|k||
        word|Domain name|k||
          mpid|Maintenance end point identifier|k||
            <1-8191>|MEP identifier|k/n||
              <cr>||||
              !
              vlan|VLAN|o/n||
                <1-4094>|VLAN identifier|||
                  <cr>||||
                  !
                !
              !
              service|Maintenance association|o/n||
                word|Maintenance association name|||
                  <cr>||||
                  !
                !
              !
            !
          !
        !
      !
    !
    enable|Enable CFM on the interface|k/o/sb||
      <cr>||||
      !
    !
  !
!
flowcontrol|Configure flow operation|k||
  #|direction|k/o/n||
    receive|Configure receiving flow operation||
    send|Configure sending flow operation||
  #|||
    #|setting|||
      desired|Allow but do not require flow-control packets on port||
      off|Disallow flow-control packets on port||
      on|Enable flow-control packets on port||
    #|||
      <cr>||||
      !
    !
  !
!
fair-queue|Weighted fair queueing|k/o/sb||
  <cr>||||
  !
!
frame-relay|Frame Relay interface settings|k||
  interface-dlci|DLCI of a Frame Relay subinterface|k||
    <16-1007>|DLCI|k/n||
      <cr>||||
      !
      #|encapsulation|o||
        ietf|IETF encapsulation||
        cisco|Cisco encapsulation||
      #|||
        <cr>||||
        !
      !
    !
  !
  intf-type|Frame Relay interface type|k/o/n||
    #|type|||
      dce|DCE||
      dte|DTE||
      nni|NNI||
    #|||
      <cr>||||
      !
    !
  !
  lmi-type|Local management interface type|k/o/n||
    #|type|||
      ansi|ANSI T1.617 Annex D||
      cisco|Cisco LMI||
      q933a|ITU-T Q.933 Annex A||
    #|||
      <cr>||||
      !
    !
  !
  map|Map a protocol address to a DLCI|k||
    ip|IP address|k||
      a.b.c.d|Protocol address|k/n||
        <16-1007>|DLCI|o||
          <cr>||||
          !
          broadcast|Send broadcasts on this DLCI|||
            <cr>||||
            !
            #|encapsulation|||
              ietf|IETF encapsulation||
              cisco|Cisco encapsulation||
            #|||
              <cr>||||
              !
            !
          !
          #|encapsulation|||
            ietf|IETF encapsulation||
            cisco|Cisco encapsulation||
          #|||
            <cr>||||
            !
            broadcast|Send broadcasts on this DLCI|||
              <cr>||||
              !
            !
          !
        !
      !
    !
  !
!
gig-default|Gigabit default settings|k||
  #|negotiation|k/o/sb||
    neg-off|Disable autonegotiation||
  #|||
    <cr>||||
    !
  !
!
h323-gateway|H.323 gateway settings|k||
  voip|Voice over IP|k||
    interface|Use this interface as the gateway interface|k/o/sb||
      <cr>||||
      !
    !
    id|Gatekeeper identifier|k/o/n||
      word|Gatekeeper name|||
        #|gatekeeper address|||
          ipaddr|Gatekeeper IP address||
        #|||
          a.b.c.d|IP address|||
            <cr>||||
            !
            <1-65535>|Port|||
              <cr>||||
              !
            !
          !
        !
        multicast|Find the gatekeeper by multicast|||
          <cr>||||
          !
        !
      !
    !
    h323-id|H.323 identifier of the gateway|k/o/n||
      word|H.323 identifier|||
        <cr>||||
        !
      !
    !
    tech-prefix|Technology prefix|k/o/n||
      word|Technology prefix|||
        <cr>||||
        !
      !
    !
    bind|Bind the gateway to an address|k||
      srcaddr|Source address|k/o/n||
        a.b.c.d|Source address|||
          <cr>||||
          !
        !
      !
    !
  !
!
glbp|Gateway Load Balancing Protocol interface commands|k||
  <0-1023>|Group number|k||&glbp_group.cfm
  !
!
hardware|Hardware settings|k||
  multicast|Multicast hardware settings|k||
    hw-hash|Use hardware hashing|k/o/sb||
      <cr>||||
      !
    !
  !
  vethernet|Virtual ethernet hardware settings|k||
    mac|MAC settings|k||
      filtering|MAC filtering|k||
        per-vlan|Per-VLAN MAC filtering|k/o/sb||
          <cr>||||
          !
        !
      !
    !
  !
!
full-duplex|Configure full-duplex operation|k||
  <cr>||||
  !
!
half-duplex|Configure half-duplex operation|k||
  <cr>||||
  !
!
hold-queue|Set hold queue depth|k||
  <0-240000>|Queue length|||
    #|direction|k/o/n||
      in|Input queue||
      out|Output queue||
    #|||
      <cr>||||
      !
    !
  !
!
max-reserved-bandwidth|Maximum reservable bandwidth on an interface|k/o/n||
  <1-100>|Maximum reservable bandwidth in percent of the interface bandwidth|||
    <cr>||||
    !
  !
!
ip|Interface Internet Protocol config commands|k||
  ips|Apply an IPS rule|k||
    word|IPS rule name|||
      #|direction|k/o/n||
        in|Inbound scanning||
        out|Outbound scanning||
      #|||
        <cr>||||
        !
      !
    !
  !
  inspect|Apply an inspection rule (CBAC)|k||
    word|Inspection rule name|||
      #|direction|k/o/n||
        in|Inbound inspection||
        out|Outbound inspection||
      #|||
        <cr>||||
        !
      !
    !
  !
  accounting|Enable IP accounting on this interface|k||
    #|accounting kind|k||
      access-violations|Account for IP packets violating access lists||
      output-packets|Account for IP packets output on this interface||
    #|||
      <cr>||||
      !
    !
    #|accounting by|k||
      precedence|Count packets by IP precedence||
      mac-address|Count packets by MAC address||
    #|||
      #|direction|k||
        input|Received packets||
        output|Transmitted packets||
      #|||
        <cr>||||
        !
      !
    !
  !
  access-group|Specify access control for packets|k||
    #|IP access list|||
      <1-199>|IP access list (standard or extended)||
      <1300-2699>|IP expanded access list (standard or extended)||
      word|Access-list name||
    #|||
      #|direction|k/o/n||
        in|inbound packets||
        out|outbound packets||
      #|||
        <cr>||||
        !
      !
    !
  !
  // The address replaces the old one ("o" on the last word of the primary
  // address); "secondary" makes another address ("k") that is added ("a").
  // "no ip address" (flag 3, not stored) removes every address in a row:
  // the primary and the secondaries that follow it.
  address|Set the IP address of an interface|k/n||
    a.b.c.d|IP address|n||
      a.b.c.d|IP subnet mask|o/n||
        <cr>||||
        !
        secondary|Make this IP address a secondary address|k/a||
          <cr>||||
          !
        !
      !
    !
    a.b.c.d/<1-32>|IP address and prefix length|o/n||
      <cr>||||
      !
      secondary|Make this IP address a secondary address|k/a||
        <cr>||||
        !
      !
    !
    dhcp|IP Address negotiated via DHCP|o/n||
      <cr>||||
      !
      client-id|Specify client-id to use|||
        &interfacefile.cfm|Interface type|||
          <slot/port>|Interface number|||
            <cr>||||
            !
            hostname|Specify value for hostname option|||
              word|hostname string|||
                <cr>||||
                !
              !
            !
          !
        !
      !
      hostname|Specify value for hostname option|||
        word|hostname string|||
          <cr>||||
          !
        !
      !
    !
    negotiated|IP Address negotiated over PPP|o/n||
      <cr>||||
      !
    !
    pool|IP Address autoconfigured from a local DHCP pool|o/n||
      word|Name of local address pool|||
        <cr>||||
        !
      !
    !
    virtual|Virtual address|o/n||
      a.b.c.d/<1-32>|Virtual address and prefix length|n||
        <cr>||||
        !
      !
    !
  !
  arp|Configure ARP features|k||
    gratuitous|Gratuitous ARP|k/o/n||
      #|setting|||
        request|Gratuitous ARP requests||
        update|Gratuitous ARP updates||
      #|||
        <cr>||||
        !
      !
    !
    timeout|ARP timeout|k/o/n||
      <0-2147483>|Seconds|||
        <cr>||||
        !
      !
    !
    inspection|Arp Inspection configuration|k||
      trust|Configure Trust state|k/o/sb||
        <cr>||||
        !
      !
      limit|Configure Rate limit of incoming ARP packets|k/o/n||
        rate|Rate Limit|||
          <0-2048>|Packets per second|||
            <cr>||||
            !
            burst|Configure Burst parameters for ARP packets|||
              interval|Configure burst interval for ARP packets|||
                <1-15>|Burst interval in seconds|||
                  <cr>||||
                  !
                !
              !
            !
          !
        !
        none|No limit|||
          <cr>||||
          !
        !
      !
    !
  !
  authentication|authentication subcommands|k||
    key-chain|key-chain|k||
      eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
        <1-65535>|Autonomous system number|k||
          word|name of key-chain|o/n||
            <cr>||||
            !
          !
        !
      !
    !
    mode|mode|k||
      eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
        <1-65535>|Autonomous system number|k||
          md5|Keyed message digest|o/n||
            <cr>||||
            !
          !
        !
      !
    !
  !
  bandwidth-percent|Set EIGRP bandwidth limit|k||
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
      <1-65535>|Autonomous system number|k||
        <1-999999>|Maximum bandwidth percentage that EIGRP may use|o/n||
          <cr>||||
          !
        !
      !
    !
  !
  bgp|BGP interface commands|k||
    fast-external-fallover|Over-ride bgp global fast-failover whenever interface goes down|k/o/n||
      #|setting|||
        deny|Disable fast-external-fallover||
        permit|Enable fast-external-fallover||
      #|||
        <cr>||||
        !
      !
    !
  !
  dhcp|Configure DHCP parameters for this interface|k||
    relay|DHCP relay agent parameters|k||
      address|Configure a relay address|k||
        a.b.c.d|IP address|k/n||
          <cr>||||
          !
        !
      !
      information|Relay agent information option|k||
        #|setting|k/sb/o||
          trusted|Received DHCP packets may contain relay info option with zero giaddr||
          check|Validate relay agent information option||
        #|||
          <cr>||||
          !
        !
        policy|Define reforwarding policy|k/o/n||
          #|policy|||
            drop|Relay information option causes the packet to be dropped||
            encapsulate|Encapsulate the relay information||
            keep|Keep the existing relay information||
            replace|Replace the existing relay information||
          #|||
            <cr>||||
            !
          !
        !
        option|Insert relay information in BOOTREQUEST|k||
          #|suboption|k/o/sb||
            insert|Insert relay information||
            server-id-override|Overwrite the server identifier||
            subscriber-id|Subscriber identifier||
            link-selection|Link selection||
          #|||
            <cr>||||
            !
          !
        !
        option-insert|Insert relay information|k/o/sb||
          <cr>||||
          !
        !
      !
      subnet-broadcast|Enable subnet broadcast|k/sb/o||
        <cr>||||
        !
      !
      source-interface|Source interface for relayed messages|k/o/n||
        &interfacefile.cfm|Interface type|||
          <slot/port>|Interface number|||
            <cr>||||
            !
          !
        !
      !
    !
    snooping|DHCP Snooping|k||
      trust|DHCP Snooping trust config|k/o/sb||
        <cr>||||
        !
      !
      limit|DHCP Snooping limit|k||
        rate|DHCP Snooping limit|k/o/n||
          <1-2048>|DHCP snooping rate limit|||
            <cr>||||
            !
          !
        !
      !
    !
    smart-relay|Enable Smart Relay feature|k/sb/o||
      <cr>||||
      !
    !
    client|DHCP client|k||
      client-id|Specify client-id to use|k/o/n||
        &interfacefile.cfm|Interface type|||
          <slot/port>|Interface number|||
            <cr>||||
            !
          !
        !
        ascii|Use ASCII string as client identifier|||
          word|ASCII string|||
            <cr>||||
            !
          !
        !
        hex|Use hexadecimal string as client identifier|||
          word|Hexadecimal string|||
            <cr>||||
            !
          !
        !
      !
      hostname|Specify value for hostname option|k/o/n||
        word|hostname string|||
          <cr>||||
          !
        !
      !
      lease|Specify lease|k/o/n||
        <0-365>|Days|||
          <cr>||||
          !
          <0-23>|Hours|||
            <cr>||||
            !
            <0-59>|Minutes|||
              <cr>||||
              !
            !
          !
        !
      !
      request|Specify option to request|k||
        #|option|k/o/sb||
          dns-nameserver|DNS name server option||
          domain-name|Domain name option||
          netbios-nameserver|NetBIOS name server option||
          router|Default router option||
          static-route|Static route option||
          tftp-server-address|TFTP server address option||
          vendor-specific|Vendor specific option||
        #|||
          <cr>||||
          !
        !
      !
      default-router|Default router|k||
        distance|Default route distance|k/o/n||
          <1-255>|Administrative distance|||
            <cr>||||
            !
          !
        !
      !
      route|Route settings|k||
        track|Track object|k/o/n||
          <1-1000>|Tracked object number|||
            <cr>||||
            !
          !
        !
      !
      broadcast-flag|Specify broadcast flag|k||
        clear|Clear the broadcast flag|k/o/sb||
          <cr>||||
          !
        !
      !
      update|Dynamic updates|k||
        dns|Dynamic DNS|k/o/n||
          <cr>||||
          !
          both|Update both A and PTR records|||
            <cr>||||
            !
          !
          server|Server updates|||
            #|update|||
              both|Update both A and PTR records||
              none|Do not update||
            #|||
              <cr>||||
              !
            !
          !
        !
      !
    !
  !
  directed-broadcast|Enable forwarding of directed broadcasts|k/o/sb||
    <cr>||||
    !
    #|access list|||
      <1-199>|A standard IP access list number||
      <1300-2699>|A standard IP expanded access list number||
    #|||
      <cr>||||
      !
    !
  !
  flow|NetFlow related commands|k||
    monitor|Apply a Flow Monitor|k||
      word|Flow monitor name|||
        #|direction|k/o/n||
          input|Apply Flow Monitor on input traffic||
          output|Apply Flow Monitor on output traffic||
        #|||
          <cr>||||
          !
        !
      !
    !
    #|direction|k/o/sb||
      ingress|Enable inbound NetFlow||
      egress|Enable outbound NetFlow||
    #|||
      <cr>||||
      !
    !
  !
  flowspec|Flowspec settings|k/o/sb||
    <cr>||||
    !
    disable|Disable flowspec on the interface|k/o/sb||
      <cr>||||
      !
    !
  !
  forward|Forwarding|k/o/sb||
    <cr>||||
    !
  !
  hello-interval|Configures EIGRP-IPv4 hello interval|k||
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
      <1-65535>|Autonomous system number|k||
        <1-65535>|Seconds between hello transmissions|o/n||
          <cr>||||
          !
        !
      !
    !
  !
  helper-address|Specify a destination address for UDP broadcasts|k||
    a.b.c.d|IP destination address|k/n||
      <cr>||||
      !
    !
    vrf|VRF name for helper-address|||
      word|VRF name|k||
        a.b.c.d|IP destination address|k/n||
          <cr>||||
          !
        !
      !
    !
    global|Helper-address is reachable in global routing table|||
      a.b.c.d|IP destination address|k/n||
        <cr>||||
        !
      !
    !
  !
  hold-time|Configures EIGRP-IPv4 hold time|k||
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
      <1-65535>|Autonomous system number|k||
        <1-65535>|Seconds before neighbor is considered down|o/n||
          <cr>||||
          !
        !
      !
    !
  !
  igmp|IGMP interface commands|k||
    access-group|IGMP group access group|k/o/n||
      #|access list|||
        <1-99>|Access list number||
        <1300-1999>|Access list number (expanded range)||
        word|IP Named Standard Access list||
      #|||
        <cr>||||
        !
      !
    !
    group-timeout|IGMP group timeout|k/o/n||
      <1-3600>|Seconds|||
        <cr>||||
        !
      !
    !
    last-member-query-count|IGMP last member query count|k/o/n||
      <1-7>|Last member query count|||
        <cr>||||
        !
      !
    !
    last-member-query-interval|IGMP last member query interval|k/o/n||
      <100-25500>|Last member query interval in milliseconds|||
        <cr>||||
        !
      !
    !
    last-member-query-response-time|IGMP last member query response time|k/o/n||
      <100-25500>|Milliseconds|||
        <cr>||||
        !
      !
      <1-25>|Seconds|||
        <cr>||||
        !
      !
    !
    query-interval|IGMP host query interval|k/o/n||
      <1-18000>|Query interval in seconds|||
        <cr>||||
        !
      !
    !
    query-max-response-time|IGMP max query response value|k/o/n||
      <1-25>|query response value in seconds|||
        <cr>||||
        !
      !
    !
    query-timeout|IGMP previous querier timeout|k/o/n||
      <60-300>|timeout value in seconds|||
        <cr>||||
        !
      !
    !
    robustness-variable|IGMP robustness variable|k/o/n||
      <1-7>|Robustness variable|||
        <cr>||||
        !
      !
    !
    v3-query-max-response-time|IGMPv3 max query response value|k/o/n||
      <1-25>|query response value in seconds for IGMPv3 queries|||
        <cr>||||
        !
      !
    !
    version|IGMP version|k/o/n||
      <1-3>|version number|||
        <cr>||||
        !
      !
    !
    limit|IGMP limit|k/o/n||
      <1-64000>|Maximum number of IGMP memberships|||
        <cr>||||
        !
        except|Do not count groups permitted by this access list|||
          #|access list|||
            <1-199>|Access list number||
            word|Access list name||
          #|||
            <cr>||||
            !
          !
        !
      !
    !
    host-proxy|IGMP host proxy|k/o/n||
      <cr>||||
      !
      access-list|Access list for proxy reporting|||
        #|access list|||
          <1-199>|Access list number||
          word|Access list name||
        #|||
          <cr>||||
          !
        !
      !
      a.b.c.d|Multicast group address|||
        <cr>||||
        !
      !
    !
    join-group|IGMP join multicast group|k||
      a.b.c.d|IP group address|k/n||
        <cr>||||
        !
        source|Include SSM source|n||
          a.b.c.d|Source address|n||
            <cr>||||
            !
          !
        !
      !
    !
    static-group|IGMP static multicast group|k||
      a.b.c.d|IP group address|k/n||
        <cr>||||
        !
        source|Include SSM source|n||
          a.b.c.d|Source address|n||
            <cr>||||
            !
          !
          ssm-map|Use SSM mapping|n||
            <cr>||||
            !
          !
        !
      !
      *|Populated for all groups|k/n||
        <cr>||||
        !
      !
      class-map|Class map of type multicast-flows|k||
        word|Class map name|n||
          <cr>||||
          !
        !
      !
    !
    tcn|Topology change|k||
      query|Query on topology change|k||
        #|parameter|k/o/n||
          count|Number of queries||
          interval|Query interval||
        #|||
          <1-255>|value|||
            <cr>||||
            !
          !
        !
      !
    !
    snooping|IGMP snooping|k||
      tcn|Topology change|k||
        flood|Flood on topology change|k/o/sb||
          <cr>||||
          !
        !
      !
      immediate-leave|Enable immediate leave|k/o/sb||
        <cr>||||
        !
      !
      mrouter|Multicast router port|k/o/sb||
        <cr>||||
        !
      !
    !
    mroute-proxy|Mroute to IGMP proxy|k/o/n||
      &interfacefile.cfm|Interface type|||
        <slot/port>|Interface number|||
          <cr>||||
          !
        !
      !
    !
    proxy-service|Enable IGMP mroute proxy service|k/o/sb||
      <cr>||||
      !
    !
    unidirectional-link|Enable unidirectional link|k/o/sb||
      <cr>||||
      !
    !
    explicit-tracking|Enable explicit tracking|k/o/sb||
      <cr>||||
      !
    !
  !
  load-sharing|Style of load sharing|k/o/n||
    #|style|||
      per-destination|Deterministic distribution||
      per-packet|Random distribution||
    #|||
      <cr>||||
      !
    !
  !
  mfib|Interface Specific MFIB Control|k||
    #|setting|k||
      cef|MFIB CEF-based forwarding||
      forwarding|MFIB forwarding||
    #|||
      #|direction|k/o/sb||
        input|Input||
        output|Output||
      #|||
        <cr>||||
        !
      !
    !
  !
  mtu|Set IP Maximum Transmission Unit|k/o/n||
    <68-9216>|MTU (bytes)|||
      <cr>||||
      !
    !
  !
  multicast|IP multicast interface commands|k||
    boundary|Boundary for administratively scoped multicast addresses|k/o/n||
      #|access list|||
        <1-99>|Access-list number||
        <1300-1999>|Access-list number (expanded range)||
        word|IP Named Standard Access list||
      #|||
        <cr>||||
        !
        filter-autorp|Filter AutoRP packet contents|||
          <cr>||||
          !
        !
        #|direction|||
          in|Restrict (s,g) creation when this interface is the RPF||
          out|Restrict interface addition to outgoing interface list||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
  nat|NAT interface commands|k/o/n||
    #|side|||
      inside|Inside interface for address translation||
      outside|Outside interface for address translation||
      enable|Enable the interface for NAT||
    #|||
      <cr>||||
      !
    !
  !
  nbar|Network-Based Application Recognition|k||
    protocol-discovery|Enable or disable protocol discovery|k/o/sb||
      <cr>||||
      !
    !
  !
  nhrp|NHRP interface subcommands|k||
    group|NHRP group name|k/o/n||
      word|NHRP group name|||
        <cr>||||
        !
      !
    !
    map|Map dest IP addresses to NBMA addresses|k||
      group|NHRP group mapping|k||
        word|NHRP group name|k/n||
          service-policy|QoS policy for the group|k||
            output|Output direction|k||
              word|QoS policy-map name|o/n||
                <cr>||||
                !
              !
            !
          !
        !
      !
      a.b.c.d|IP address of destination|k/n||
        a.b.c.d|IP NBMA address|k/n||
          <cr>||||
          !
        !
      !
      multicast|NBMA address for multicasts|k||
        a.b.c.d|IP NBMA address|k/n||
          <cr>||||
          !
        !
        dynamic|Learn mappings from registration requests|k/n||
          <cr>||||
          !
        !
      !
    !
    network-id|NBMA network identifier|k/o/n||
      <1-4294967295>|network identifier|||
        <cr>||||
        !
      !
    !
    nhs|Specify a next hop server|k||
      a.b.c.d|IP address of next hop server|k/n||&nhrp_nhs_opt.cfm
      !
      dynamic|Next hop server learned from the NBMA address|k/n||&nhrp_nhs_opt.cfm
      !
    !
    authentication|Authentication string|k/o/n||
      word|Authentication string (up to 8 characters)|||
        <cr>||||
        !
      !
    !
    holdtime|Advertised holdtime|k/o/n||
      <1-65535>|Number of seconds|||
        <cr>||||
        !
      !
    !
    registration|Registration options|k||
      no-unique|Do not set the unique flag in registrations|k/o/sb||
        <cr>||||
        !
      !
      timeout|Interval between registration requests|k/o/n||
        <1-65535>|Number of seconds|||
          <cr>||||
          !
        !
      !
    !
    redirect|Enable NHRP redirect|k/o/sb||
      <cr>||||
      !
      timeout|Interval between redirects for the same flow|k/o/n||
        <2-30>|Number of seconds|||
          <cr>||||
          !
        !
      !
    !
    shortcut|Enable shortcut switching|k/o/sb||
      <cr>||||
      !
    !
    server-only|Disable NHRP requests on this interface|k/o/sb||
      <cr>||||
      !
    !
    interest|Specify an access list|k/o/n||
      #|access list|||
        <1-199>|IP access list||
        word|IP access list name||
      #|||
        <cr>||||
        !
      !
    !
  !
  ospf|OSPF interface commands|k||
    <1-65535>|Process ID|k/o/n||
      area|Set the OSPF area ID|||
        #|OSPF area ID|||
          <0-4294967295>|OSPF area ID as a decimal value||
          a.b.c.d|OSPF area ID in IP address format||
        #|||
          <cr>||||
          !
          secondaries|Include or exclude secondary IP addresses|||
            none|Do not include secondary IP addresses|||
              <cr>||||
              !
            !
          !
        !
      !
    !
    authentication|Enable authentication|k/o/n||
      <cr>||||
      !
      #|type|||
        message-digest|Use message-digest authentication||
        null|Use no authentication||
      #|||
        <cr>||||
        !
      !
      key-chain|Use a key-chain for cryptographic authentication keys|||
        word|Key-chain name|||
          <cr>||||
          !
        !
      !
    !
    authentication-key|Authentication password (key)|k/o/n||
      #|encryption type|||
        0|Specifies an UNENCRYPTED password will follow||
        7|Specifies a HIDDEN password will follow||
      #|||
        word|The OSPF password (key)|||
          <cr>||||
          !
        !
      !
      word|The OSPF password (key)|||
        <cr>||||
        !
      !
    !
    message-digest-key|Message digest authentication password (key)|k||
      <1-255>|Key ID|k/o/n||
        md5|Use MD5 algorithm|||
          #|encryption type|||
            0|Specifies an UNENCRYPTED password will follow||
            7|Specifies a HIDDEN password will follow||
          #|||
            word|The OSPF password (key)|||
              <cr>||||
              !
            !
          !
          word|The OSPF password (key)|||
            <cr>||||
            !
          !
        !
      !
    !
    cost|Interface cost|k/o/n||
      <1-65535>|Cost|||
        <cr>||||
        !
      !
    !
    dead-interval|Interval after which a neighbor is declared dead|k/o/n||
      <1-65535>|Seconds|||
        <cr>||||
        !
      !
      minimal|Set to 1 second|||
        hello-multiplier|Set multiplier for Fast Hellos|||
          <3-20>|Number of Hellos sent within 1 second|||
            <cr>||||
            !
          !
        !
      !
    !
    hello-interval|Time between HELLO packets|k/o/n||
      <1-65535>|Seconds|||
        <cr>||||
        !
      !
    !
    network|Network type|k/o/n||&ospf_network_type.cfm
    !
    priority|Router priority|k/o/n||
      <0-255>|Priority|||
        <cr>||||
        !
      !
    !
    retransmit-interval|Time between retransmitting lost link state advertisements|k/o/n||
      <1-65535>|Seconds|||
        <cr>||||
        !
      !
    !
    transmit-delay|Link state transmit delay|k/o/n||
      <1-65535>|Seconds|||
        <cr>||||
        !
      !
    !
    demand-circuit|OSPF demand circuit|k/o/sb||
      <cr>||||
      !
    !
    passive-interface|Suppress routing updates on an interface|k/o/sb||
      <cr>||||
      !
    !
    mtu-ignore|Ignores the MTU in DBD packets|k/o/sb||
      <cr>||||
      !
    !
    bfd|Enable BFD on this interface|k/o/sb||
      <cr>||||
      !
      disable|Disable BFD on this interface|||
        <cr>||||
        !
      !
    !
    shutdown|Shut down the interface in OSPF|k/o/sb||
      <cr>||||
      !
    !
    ttl-security|TTL security check|k/o/n||
      hops|Maximum number of IP hops allowed|||
        <1-254>|IP hops|||
          <cr>||||
          !
        !
      !
      disable|Disable TTL security check on this interface|||
        <cr>||||
        !
      !
    !
    flood-reduction|OSPF Flood Reduction|k/o/sb||
      <cr>||||
      !
    !
    resync-timeout|Interval after which adjacency is reset if oob-resync is not started|k/o/n||
      <1-65535>|Seconds|||
        <cr>||||
        !
      !
    !
    prefix-suppression|OSPF prefix suppression|k/o/sb||
      <cr>||||
      !
      disable|Disable prefix suppression|||
        <cr>||||
        !
      !
    !
  !
  passive-interface|Suppress routing updates on an interface|k||
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
      <1-65535>|Autonomous system number|k/sb/o||
        <cr>||||
        !
      !
    !
  !
  pim|PIM interface commands|k||
    #|PIM mode|o/n||
      dense-mode|Enable PIM dense-mode operation||
      sparse-mode|Enable PIM sparse-mode operation||
      sparse-dense-mode|Enable PIM sparse-dense-mode operation||
      passive|Enable PIM passive interface operation||
    #|||
      <cr>||||
      !
    !
    hello-interval|PIM hello interval|k/o/n||
      <1000-18724286>|Hello interval in milliseconds|||
        <cr>||||
        !
      !
    !
    bsr-border|Border of PIM domain|k/o/sb||
      <cr>||||
      !
    !
    bfd|Enable BFD for PIM neighbors|k/o/sb||
      <cr>||||
      !
    !
    nbma-mode|Use Non-Broadcast Multi-Access (NBMA) mode on interface|k/o/sb||
      <cr>||||
      !
    !
    dr-priority|PIM router DR priority|k/o/n||
      <0-4294967295>|DR priority, preference given to larger value|||
        <cr>||||
        !
      !
    !
    join-prune-interval|PIM join-prune interval|k/o/n||
      <10-600>|Join-prune interval in seconds|||
        <cr>||||
        !
      !
    !
    query-interval|PIM router query interval|k/o/n||
      <0-65535>|Query interval in seconds|||
        <cr>||||
        !
      !
      <100-65535>|Query interval in milliseconds|||
        msec|query interval in milliseconds|||
          <cr>||||
          !
        !
      !
    !
    neighbor-filter|PIM peering filter|k/o/n||
      #|access list|||
        <1-99>|Access list number||
        word|IP named access list||
      #|||
        <cr>||||
        !
      !
    !
    state-refresh|PIM DM State-Refresh configuration|k||
      origination-interval|State-refresh origination interval|k/o/n||
        <cr>||||
        !
        <1-100>|Interval in seconds|||
          <cr>||||
          !
        !
      !
    !
    redundancy|PIM redundancy|k/o/n||
      word|Redundancy group name|||
        #|protocol|||
          hsrp|HSRP||
          vrrp|VRRP||
        #|||
          <cr>||||
          !
          dr-priority|DR priority while active|||
            <0-4294967295>|DR priority|||
              <cr>||||
              !
            !
          !
        !
      !
    !
  !
  policy|Enable policy routing|k||
    route-map|Policy route map|k/o/n||
      word|Route map name|||
        <cr>||||
        !
      !
    !
  !
  proxy-arp|Enable proxy ARP|k/o/sb||
    <cr>||||
    !
  !
  redirects|Enable sending ICMP Redirect messages|k/o/sb||
    <cr>||||
    !
  !
  rip|Router Information Protocol|k||
    #|direction|k||
      send|advertisement transmission||
      receive|advertisement reception||
    #|||
      version|version control|k/o/n||
        #|version|lb/le/wa||
          1|RIP version 1||
          2|RIP version 2||
        #|||
          <cr>||||
          !
        !
      !
    !
    authentication|Authentication control|k||
      mode|Authentication mode|k/o/n||
        #|mode|||
          md5|Keyed message digest||
          text|Clear text authentication||
        #|||
          <cr>||||
          !
        !
      !
      key-chain|Authentication key-chain|k/o/n||
        word|name of key-chain|||
          <cr>||||
          !
        !
      !
    !
    v2-broadcast|send ip broadcast v2 update|k/o/sb||
      <cr>||||
      !
    !
    triggered|enable rip triggered updates|k/o/sb||
      <cr>||||
      !
    !
    advertise|interval of rip advertisements|k/o/n||
      <1-65535>|interval in seconds|||
        <cr>||||
        !
      !
    !
  !
  route-cache|Enable fast-switching cache for outgoing packets|k/o/sb||
    <cr>||||
    !
    #|cache type|k/o/sb||
      cef|Enable Cisco Express Forwarding||
      flow|Enable Flow fast-switching cache||
      policy|Enable fast-switching policy cache for outgoing packets||
      same-interface|Enable fast-switching on the same interface||
    #|||
      <cr>||||
      !
    !
  !
  router|IP router interface commands|k||
    isis|IS-IS Routing for IP|k/o/n||
      <cr>||||
      !
      word|Routing process tag|||
        <cr>||||
        !
      !
    !
    ospf|OSPF routing for IP|k||
      <1-65535>|Process ID|k/o/n||
        area|Set the OSPF area ID|||
          #|OSPF area ID|||
            <0-4294967295>|OSPF area ID as a decimal value||
            a.b.c.d|OSPF area ID in IP address format||
          #|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  rtp|RTP parameters|k||
    header-compression|Enable RTP IP header compression|k/o/n||
      <cr>||||
      !
      #|format|||
        iphc-format|Compress using IPHC format||
        ietf-format|Compress using IETF format||
        passive|Compress only for destinations which send compressed headers||
      #|||
        <cr>||||
        !
        periodic-refresh|Send periodic refresh packets||
          <cr>||||
          !
        !
      !
    !
    priority|Strict priority for RTP traffic|k/o/n||
      <2000-65535>|Lowest UDP port number|||
        <0-16383>|Range of UDP ports|||
          <0-2000000>|Maximum bandwidth in kbps|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  sap|Session Advertisement Protocol interface commands|k||
    listen|Listen for sap packets on interface|k/o/sb||
      <cr>||||
      !
    !
  !
  next-hop-self|Advertise this router as the next hop|k||
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
      <1-65535>|Autonomous system number|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  split-horizon|Perform split horizon|k/o/sb||
    <cr>||||
    !
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
      <1-65535>|Autonomous system number|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  sticky-arp|Sticky ARP|k/o/sb||
    <cr>||||
    !
    ignore|Ignore sticky ARP|||
      <cr>||||
      !
    !
  !
  summary-address|Perform address summarization|k||
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
      <1-65535>|Autonomous system number|k||
        a.b.c.d|IP address|k/n||
          a.b.c.d|IP network mask|k/o/n||
            <cr>||||
            !
            <1-255>|Administrative distance|||
              <cr>||||
              !
            !
            leak-map|Allow dynamic prefixes based on the leak-map|||
              word|leak-map name|||
                <cr>||||
                !
              !
            !
          !
        !
      !
    !
    rip|Routing Information Protocol|k||
      a.b.c.d|IP address|k/n||
        a.b.c.d|IP network mask|k/o/n||
          <cr>||||
          !
        !
      !
    !
  !
  tcp|TCP header compression and other parameters|k||
    adjust-mss|Adjust the mss of transit packets|k/o/n||
      <500-1460>|Maximum segment size in bytes|||
        <cr>||||
        !
      !
    !
    header-compression|Enable TCP header compression|k/o/sb||
      <cr>||||
      !
    !
  !
  traffic-export|Traffic export|k||
    apply|Apply a traffic export profile|k/o/n||
      word|Profile name|||
        <cr>||||
        !
        size|Size of the capture buffer|||
          <256-134217728>|Bytes|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  unnumbered|Enable IP processing without an explicit address|k/o/n||
    &interfacefile.cfm|Interface type|k||
      <slot/port>|interface number|n||
        <cr>||||
        !
      !
    !
  !
  unreachables|Enable sending ICMP Unreachable messages|k/o/sb||
    <cr>||||
    !
  !
  verify|Enable per packet validation|k||
    unicast|Enable per packet validation for unicast|k||
      source|Validation on source address|k||
        reachable-via|Source reachability check|k/o/n||
          #|mode|||&urpf_opt.cfm
            rx|Source is reachable via interface on which packet was received||
            any|Source is reachable via any interface||
          #|||
          !
        !
      !
      reverse-path|Reverse path validation of source address (old command format)|k/o/n||
        <cr>||||
        !
        #|access list|||
          <1-199>|A standard or extended IP access list number||
          <1300-2699>|A standard or extended IP expanded access list number||
        #|||
          <cr>||||
          !
        !
      !
    !
    source|Verify source address|k/o/sb||
      <cr>||||
      !
      port-security|Port security|||
        <cr>||||
        !
      !
      vlan|VLAN|||
        dhcp-snooping|DHCP snooping|||
          <cr>||||
          !
          port-security|Port security|||
            <cr>||||
            !
          !
        !
      !
      dhcp-snooping-vlan|DHCP snooping per VLAN|||
        <cr>||||
        !
      !
      tracking|Track IP source bindings|||
        <cr>||||
        !
        port-security|Port security|||
          <cr>||||
          !
        !
      !
    !
  !
  virtual-reassembly|Virtual Reassembly|k/o/sb||&virtual_reassembly_opt.cfm
    in|Enable virtual reassembly on input|k/o/sb||&virtual_reassembly_opt.cfm
    !
    out|Enable virtual reassembly on output|k/o/sb||&virtual_reassembly_opt.cfm
    !
  !
  virtual-reassembly-out|Virtual Reassembly out|k/o/sb||&virtual_reassembly_opt.cfm
  !
  vrf|VPN Routing/Forwarding parameters on the interface|k||
    forwarding|Configure forwarding table|k/o/n||
      word|VPN Routing/Forwarding instance name|||
        <cr>||||
        !
        downstream|Downstream VRF|||
          word|VRF name|||
            <cr>||||
            !
          !
        !
      !
    !
    receive|Add interface address into the VRF table|k||
      word|VPN Routing/Forwarding instance name|k/n||
        <cr>||||
        !
      !
    !
    select|Select the VRF|k||
      source|Source address based VRF selection|k/o/sb||
        <cr>||||
        !
      !
    !
    sitemap|Configure route-map for routes received from this site|k/o/n||
      word|Name of the route-map|||
        <cr>||||
        !
      !
    !
    autoclassify|Automatically classify packets into a VRF|k||
      source|Classify by source address|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  wccp|WCCP interface commands|k||
    #|service|k||
      web-cache|Standard web caching service||
      <0-254>|Dynamic service number||
    #|||
      redirect|Enable packet redirection for this service|k||
        #|direction|k/o/sb||
          in|Redirect packets received on this interface||
          out|Redirect packets sent out of this interface||
        #|||
          <cr>||||
          !
        !
      !
      group-listen|Listen for multicast WCCP protocol packets|k/o/sb||
        <cr>||||
        !
      !
    !
    redirect|Enable packet redirection|k||
      exclude|Exclude packets from redirection|k||
        in|Exclude packets received on this interface|k/o/sb||
          <cr>||||
          !
        !
      !
    !
  !
!
ipv4|IPv4 settings|k||
  access-group|Access group|k||
    word|Access list name|||
      #|direction|k/o/n||
        ingress|Ingress||
        egress|Egress||
      #|||
        <cr>||||
        !
        hardware-count|Count packets in hardware|||
          <cr>||||
          !
        !
      !
    !
  !
  address|IPv4 address|k/o/n||
    a.b.c.d|IP address|n||
      a.b.c.d|IP subnet mask|n||
        <cr>||||
        !
      !
    !
  !
  icmp|ICMP settings|k||
    unreachables|ICMP unreachables|k/o/n||
      disable|Disable|||
        <cr>||||
        !
      !
    !
  !
  point-to-point|Point-to-point|k/o/sb||
    <cr>||||
    !
  !
  unnumbered|Unnumbered|k/o/n||
    &interfacefile.cfm|Interface type|k||
      <slot/port>|interface number|n||
        <cr>||||
        !
      !
    !
  !
!
ipv6|IPv6 interface subcommands|k||
  address|Configure IPv6 address on interface|k||
    word|IPv6 prefix x:x::y/<z>|k/n||
      <cr>||||
      !
      #|option|||
        anycast|Configure as an anycast||
        eui-64|Use eui-64 interface identifier||
        link-local|Use link-local address||
      #|||
        <cr>||||
        !
      !
    !
    autoconfig|Obtain address using autoconfiguration|k||
      <cr>||||
      !
    !
    dhcp|Obtain IPv6 address from DHCP server|k||
      <cr>||||
      !
    !
  !
  enable|Enable IPv6 on interface|k/o/sb||
    <cr>||||
    !
  !
  traffic-filter|Access control list for packets|k||
    word|Access-list name|||
      #|direction|k/o/n||
        in|inbound packets||
        out|outbound packets||
      #|||
        <cr>||||
        !
      !
    !
  !
  icmp|ICMP settings|k||
    unreachables|ICMP unreachables|k/o/n||
      disable|Disable|||
        <cr>||||
        !
      !
    !
  !
  mfib|Interface Specific MFIB Control|k||
    #|setting|k||
      cef|MFIB CEF-based forwarding||
      forwarding|MFIB forwarding||
    #|||
      #|direction|k/o/sb||
        input|Input||
        output|Output||
      #|||
        <cr>||||
        !
      !
    !
  !
  mtu|Set IPv6 Maximum Transmission Unit|k/o/n||
    <1280-9216>|MTU (bytes)|||
      <cr>||||
      !
    !
  !
  nd|IPv6 interface Neighbor Discovery subcommands|k||
    raguard|RA guard on this port|k/o/sb||
      <cr>||||
      !
      attach-policy|Apply a RA guard policy|||
        word|Policy name|||
          <cr>||||
          !
        !
      !
    !
    dad|Duplicate Address Detection|k||
      attempts|Set IPv6 Duplicate Address Detection Transmits|k/o/n||
        <0-600>|Number of Neighbor Solicitations|||
          <cr>||||
          !
        !
      !
      loopback|Loopback detection|k||
        detect|Enable loopback detection|k/o/sb||
          <cr>||||
          !
        !
      !
      time|Neighbor solicitation retransmit interval|k/o/n||
        <1000-3600000>|Milliseconds|||
          <cr>||||
          !
        !
      !
    !
    ns-interval|Set advertised NS retransmission interval|k/o/n||
      <0-3600000>|Milliseconds|||
        <cr>||||
        !
      !
    !
    reachable-time|Set advertised reachability time|k/o/n||
      <0-3600000>|Milliseconds|||
        <cr>||||
        !
      !
    !
    nud|Neighbor unreachability detection|k||
      igp|Use IGP for NUD|k/o/sb||
        <cr>||||
        !
      !
    !
    managed-config-flag|Hosts should use DHCP for address config|k/o/sb||
      <cr>||||
      !
    !
    other-config-flag|Hosts should use DHCP for non-address config|k/o/sb||
      <cr>||||
      !
    !
    router-preference|Set default router preference value|k/o/n||
      #|preference|||
        high|High default router preference||
        medium|Medium default router preference||
        low|Low default router preference||
      #|||
        <cr>||||
        !
      !
    !
    prefix|Configure IPv6 Routing Prefix Advertisement|k||
      #|prefix|k/n||&ipv6_nd_prefix_opt.cfm
        default|Specify prefix default parameters||
        framed-ipv6-prefix|Use the framed IPv6 prefix||
      #|||
      !
      word|IPv6 prefix x:x::y/<0-128>|k/n||&ipv6_nd_prefix_opt.cfm
      !
    !
    ra|Router Advertisement control|k||
      suppress|Suppress IPv6 Router Advertisements|k/o/sb||
        <cr>||||
        !
        all|Suppress all IPv6 RA including RS responses|||
          <cr>||||
          !
        !
      !
      interval|Set IPv6 Router Advertisement Interval|k/o/n||
        <4-1800>|RA Interval (sec)|||
          <cr>||||
          !
        !
        msec|Interval in milliseconds|||
          <70-1800000>|RA Interval (msec)|||
            <cr>||||
            !
          !
        !
      !
      lifetime|Set IPv6 Router Advertisement Lifetime|k/o/n||
        <0-9000>|RA Lifetime (seconds)|||
          <cr>||||
          !
        !
      !
      hop-limit|Set IPv6 Router Advertisement hop limit|k/o/n||
        <1-255>|Hop limit|||
          <cr>||||
          !
        !
      !
      solicited|Solicited RA settings|k||
        unicast|Unicast solicited RAs|k/o/sb||
          <cr>||||
          !
        !
      !
      dns|DNS settings|k||
        server|DNS server|k||
          word|IPv6 address of the DNS server|k/n||
            <cr>||||
            !
            <0-4294967295>|Lifetime in seconds|o/n||
              <cr>||||
              !
            !
          !
        !
      !
    !
  !
  ospf|OSPF interface commands|k||
    <1-65535>|Process ID|k/o/n||
      area|Set the OSPF area ID|||
        #|OSPF area ID|||
          <0-4294967295>|OSPF area ID as a decimal value||
          a.b.c.d|OSPF area ID in IP address format||
        #|||
          <cr>||||
          !
          instance|Set the OSPF instance|||
            <0-255>|Instance ID|||
              <cr>||||
              !
            !
          !
        !
      !
    !
    cost|Interface cost|k/o/n||
      <1-65535>|Cost|||
        <cr>||||
        !
      !
    !
    hello-interval|Time between HELLO packets|k/o/n||
      <1-65535>|Seconds|||
        <cr>||||
        !
      !
    !
    dead-interval|Interval after which a neighbor is declared dead|k/o/n||
      <1-65535>|Seconds|||
        <cr>||||
        !
      !
    !
    retransmit-interval|Time between retransmitting lost link state advertisements|k/o/n||
      <1-65535>|Seconds|||
        <cr>||||
        !
      !
    !
    transmit-delay|Link state transmit delay|k/o/n||
      <1-65535>|Seconds|||
        <cr>||||
        !
      !
    !
    priority|Router priority|k/o/n||
      <0-255>|Priority|||
        <cr>||||
        !
      !
    !
    network|Network type|k/o/n||&ospf_network_type.cfm
    !
    mtu-ignore|Ignores the MTU in DBD packets|k/o/sb||
      <cr>||||
      !
    !
    bfd|Enable BFD on this interface|k/o/sb||
      <cr>||||
      !
    !
    demand-circuit|OSPF demand circuit|k/o/sb||
      <cr>||||
      !
    !
    flood-reduction|OSPF Flood Reduction|k/o/sb||
      <cr>||||
      !
    !
    database-filter|Filter OSPF LSA during synchronization and flooding|k||
      all|Filter all LSA|k||
        out|Outgoing LSA|k/o/sb||
          <cr>||||
          !
        !
      !
    !
    authentication|Enable authentication|k/o/n||
      null|Use no authentication|||
        <cr>||||
        !
      !
      ipsec|Use IPsec authentication|||
        spi|Set the SPI (Security Parameters Index)|||
          <256-4294967295>|SPI|||
            #|algorithm|||
              md5|Use MD5 authentication||
              sha1|Use SHA-1 authentication||
            #|||
              <0-7>|Key encryption type|||
                word|Authentication key|||
                  <cr>||||
                  !
                !
              !
              word|Authentication key|||
                <cr>||||
                !
              !
            !
          !
        !
      !
    !
  !
  redirects|Enable sending ICMP Redirect messages|k/o/sb||
    <cr>||||
    !
  !
  unreachables|Enable sending ICMP Unreachable messages|k/o/sb||
    <cr>||||
    !
  !
  eigrp|Enable IPv6-EIGRP on this interface|k||
    <1-65535>|Autonomous system number|k/n||
      <cr>||||
      !
    !
  !
  bandwidth-percent|Set EIGRP bandwidth limit|k||
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
      <1-65535>|Autonomous system number|k/o/n||
        <1-999999>|Maximum bandwidth percentage that EIGRP may use|||
          <cr>||||
          !
        !
      !
    !
  !
  hello-interval|Configures EIGRP hello interval|k||
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
      <1-65535>|Autonomous system number|k/o/n||
        <1-65535>|Seconds between hello transmissions|||
          <cr>||||
          !
        !
      !
    !
  !
  hold-time|Configures EIGRP hold time|k||
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
      <1-65535>|Autonomous system number|k/o/n||
        <1-65535>|Seconds before neighbor is considered down|||
          <cr>||||
          !
        !
      !
    !
  !
  split-horizon|Perform split horizon|k||
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
      <1-65535>|Autonomous system number|k/sn||
        <cr>||||
        !
      !
    !
  !
  next-hop-self|Configures EIGRP next-hop-self|k||
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
      <1-65535>|Autonomous system number|k/sn||
        <cr>||||
        !
      !
    !
  !
  summary-address|Perform address summarization|k||
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
      <1-65535>|Autonomous system number|k||
        word|IPv6 prefix x:x::y/<z>|k/n||
          <cr>||||
          !
          <1-255>|Administrative distance|o||
            <cr>||||
            !
          !
        !
      !
    !
  !
  authentication|Configure EIGRP authentication|k||
    mode|Authentication mode|k||
      eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
        <1-65535>|Autonomous system number|k/o/n||
          md5|Keyed message digest|||
            <cr>||||
            !
          !
        !
      !
    !
    key-chain|Authentication key-chain|k||
      eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
        <1-65535>|Autonomous system number|k/o/n||
          word|Name of key-chain|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  router|IPv6 Router interface commands|k||
    isis|IS-IS Routing for IPv6|k/o/n||
      <cr>||||
      !
      word|Routing process tag|||
        <cr>||||
        !
      !
    !
  !
  dhcp|IPv6 DHCP interface subcommands|k||
    guard|DHCPv6 guard on this port|k/o/sb||
      <cr>||||
      !
      attach-policy|Apply a DHCPv6 guard policy|||
        word|Policy name|||
          <cr>||||
          !
        !
      !
    !
    relay|Act as an IPv6 DHCP relay agent|k||
      destination|Configure relay destination|k||
        word|IPv6 address of the relay destination|k/n||
          <cr>||||
          !
          &interfacefile.cfm|Interface type for the output interface|
            <slot/port>|Interface number|o/n||
              <cr>||||
              !
            !
          !
        !
      !
    !
    server|Act as an IPv6 DHCP server|k/o/n||
      word|Name of IPv6 DHCP pool|||&ipv6_dhcp_server_opt.cfm
      !
    !
    client|Act as an IPv6 DHCP client|k||
      pd|Prefix delegation|k/o/n||
        word|Name of the general prefix the delegated prefix is stored in|||
          <cr>||||
          !
          rapid-commit|Allow two-message exchange|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  policy|Enable IPv6 policy routing|k||
    route-map|Policy route map|k/o/n||
      word|Route map name|||
        <cr>||||
        !
      !
    !
  !
  tcp|TCP parameters|k||
    adjust-mss|Adjust the mss of transit packets|k/o/n||
      <40-1454>|Maximum segment size in bytes|||
        <cr>||||
        !
      !
    !
  !
  verify|Enable per packet validation|k||
    unicast|Enable per packet validation for unicast|k||
      source|Validation on source address|k||
        reachable-via|Source reachability check|k/o/n||
          #|mode|||
            rx|Source is reachable via interface on which packet was received||
            any|Source is reachable via any interface||
          #|||
            <cr>||||
            !
            allow-default|Allow default route to match when checking source address|||
              <cr>||||
              !
            !
            word|Name of an IPv6 access list|||
              <cr>||||
              !
            !
          !
        !
      !
      reverse-path|Reverse path validation of source address (old command format)|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  flowspec|Flowspec settings|k/o/sb||
    <cr>||||
    !
    disable|Disable flowspec on the interface|k/o/sb||
      <cr>||||
      !
    !
  !
!
isis|IS-IS commands|k||
  metric|Configure the metric for interface|k/o/n||
    #|metric|||&isis_level_opt.cfm
      <1-16777214>|Default metric||
      maximum|Maximum metric, the link is not used for traffic||
    #|||
    !
  !
  network|Network type|k/o/n||
    point-to-point|point-to-point network|||
      <cr>||||
      !
    !
  !
  circuit-type|Configure circuit type for interface|k/o/n||
    #|circuit type|||
      level-1|Level-1 only adjacencies are formed||
      level-1-2|Level-1-2 adjacencies are formed||
      level-2-only|Level-2 only adjacencies are formed||
    #|||
      <cr>||||
      !
    !
  !
  priority|Set priority for Designated Router election|k/o/n||
    <0-127>|Priority value|||&isis_level_opt.cfm
    !
  !
  password|Configure the authentication password for interface|k/o/n||
    word|Password|||&isis_level_opt.cfm
    !
  !
  hello-interval|Set Hello interval in seconds|k/o/n||
    #|interval|||&isis_level_opt.cfm
      <1-65535>|Hello interval value||
      minimal|Holdtime 1 second, interval depends on multiplier||
    #|||
    !
  !
  hello-multiplier|Set multiplier for Hello holding time|k/o/n||
    <3-1000>|Hello multiplier value|||&isis_level_opt.cfm
    !
  !
  csnp-interval|Set CSNP interval in seconds|k/o/n||
    <0-65535>|CSNP interval value|||&isis_level_opt.cfm
    !
  !
  retransmit-interval|Set per-LSP retransmission interval|k/o/n||
    <0-65535>|Interval between retransmissions of the same LSP (seconds)|||
      <cr>||||
      !
    !
  !
  lsp-interval|Set LSP transmission interval|k/o/n||
    <1-4294967295>|LSP transmission interval (milliseconds)|||
      <cr>||||
      !
    !
  !
  authentication|IS-IS authentication for LSPs|k||
    mode|Authentication mode|k/o/n||
      #|mode|||&isis_level_opt.cfm
        md5|Keyed message digest||
        text|Clear text password||
      #|||
      !
    !
    key-chain|Authentication key-chain|k/o/n||
      word|Name of key-chain|||&isis_level_opt.cfm
      !
    !
  !
  tag|Set a tag to be advertised with the interface prefix|k/o/n||
    <1-4294967295>|32-bit tag value|||
      <cr>||||
      !
    !
  !
  three-way-handshake|Select the three-way handshake|k/o/n||
    #|handshake|||
      cisco|Cisco implementation (not RFC compliant)||
      ietf|IETF implementation (RFC 3373)||
    #|||
      <cr>||||
      !
    !
  !
  bfd|Enable BFD on this interface|k/o/sb||
    <cr>||||
    !
  !
!
keepalive|Enable keepalive|k/o/sb||
  <cr>||||
  !
  <0-32767>|Keepalive period (default 10 seconds)|||
    <cr>||||
    !
    <1-255>|Keepalive retries|||
      <cr>||||
      !
    !
  !
!
l2-filter|Layer 2 filter|k||
  bridge-group-acl|Apply bridge-group access lists|k/o/sb||
    <cr>||||
    !
  !
!
l2transport|Layer 2 transport|k||
  <cr>||||@(config-if-l2)# l2transport.cfm
  !
!
lacp|LACP interface subcommands|k||
  fast-select-hot-standby|Fast select hot standby ports|k/o/sb||
    <cr>||||
    !
  !
  graceful-convergence|Graceful convergence|k/o/sb||
    <cr>||||
    !
  !
  suspend-individual|Suspend individual ports|k/o/sb||
    <cr>||||
    !
  !
  rate|LACP rate|k/o/n||
    #|rate|||
      fast|PDUs are sent at Fast rate (1s)||
      normal|PDUs are sent at Normal rate (30s)||
    #|||
      <cr>||||
      !
    !
  !
  port-priority|LACP priority on this interface|k/o/n||
    <1-65535>|Priority|||
      <cr>||||
      !
    !
  !
  max-bundle|Maximum number of links in a bundle|k/o/n||
    <1-32>|Maximum number of links|||
      <cr>||||
      !
    !
  !
  min-links|Minimum number of links in a bundle|k/o/n||
    <1-32>|Minimum number of links|||
      <cr>||||
      !
    !
  !
!
lldp|LLDP interface subcommands|k||
  #|direction|k/o/sb||
    receive|Enable LLDP reception on interface||
    transmit|Enable LLDP transmission on interface||
  #|||
    <cr>||||
    !
  !
!
load-interval|Specify interval for load calculation for an interface|k/o/n||
  <30-600>|Load interval delay in seconds|||
    <cr>||||
    !
  !
  counter|Counter|k||
    <1-3>|Counter number|k/o/n||
      <cr>||||
      !
      <30-600>|Load interval delay in seconds|||
        <cr>||||
        !
      !
    !
  !
!
logging|Configure logging for interface|k||
  event|Interface events|k||
    #|event type|k/o/sb||
      link-status|UPDOWN and CHANGE messages||
      subif-link-status|Sub-interface UPDOWN and CHANGE messages||
      trunk-status|TRUNK status messages||
      bundle-status|BUNDLE/UNBUNDLE messages||
      spanning-tree|Spanning-tree Interface events||
      power-inline-status|Inline power messages||
      nfas-status|NFAS D-channel status messages||
    #|||
      <cr>||||
      !
    !
    port|Port events|k||
      #|event type|k/o/sb||
        link-status|UPDOWN and CHANGE messages||
        trunk-status|TRUNK status messages||
      #|||
        <cr>||||
        !
      !
    !
  !
!
mac-address|Manually set interface MAC address|k/o/n||
  h.h.h|MAC address|||
    <cr>||||
    !
  !
!
mab|MAC authentication bypass|k/o/sb||
  <cr>||||
  !
  eap|Use EAP authentication for MAC Auth Bypass|||
    <cr>||||
    !
  !
!
management|Management interface|k/o/sb||
  <cr>||||
  !
!
macro|Command macro|k||
  description|Macro description|k/o/n||
    line|Description text|lb/le/wa||
      <cr>||||
      !
    !
  !
!
media-type|Media type|k/o/n||
  #|media type|||
    auto-select|Use whichever connector is attached||
    gbic|Use gbic connector||
    rj45|Use RJ45 connector||
    sfp|Use SFP connector||
  #|||
    <cr>||||
    !
  !
!
mdix|Set Media Dependent Interface with Crossover|k||
  auto|Enable automatic MDI crossover|k/o/sb||
    <cr>||||
    !
  !
!
medium|Interface medium|k||
  #|medium|o/sb||
    broadcast|Broadcast medium||
    p2p|Point-to-point medium||
  #|||
    <cr>||||
    !
  !
!
mka|MACsec key agreement|k||
  default-policy|Use the default MKA policy|k/o/sb||
    <cr>||||
    !
  !
  policy|MKA policy|k/o/n||
    word|MKA policy name|||
      <cr>||||
      !
    !
  !
  pre-shared-key|Use a pre-shared key|k/o/n||
    key-chain|Key chain|||
      word|Key chain name|||
        <cr>||||
        !
      !
    !
  !
!
mls|Multilayer switching settings|k||
  qos|Quality of service settings|k||
    trust|Configure port trust state|k/o/n||
      #|Trust state|||
        cos|Classify by packet COS||
        dscp|Classify by packet DSCP||
        ip-precedence|Classify by packet IP precedence||
      #|||
        <cr>||||
        !
      !
      device|Trusted device class|k/o/n||
        #|Device|||
          cisco-phone|Cisco IP phone||
        #|||
          <cr>||||
          !
        !
      !
    !
    cos|Default COS value for incoming packets|k/o/n||
      <0-7>|Default COS value|||
        <cr>||||
        !
      !
      override|Override incoming packet COS with the default COS|k||
        <cr>||||
        !
      !
    !
    vlan-based|VLAN-based QoS|k||
      <cr>||||
      !
    !
    dscp-mutation|DSCP mutation map|k/o/n||
      word|DSCP mutation map name|||
        <cr>||||
        !
      !
    !
  !
!
mop|DEC MOP server commands|k||
  enabled|Enable MOP for interface|k/o/sb||
    <cr>||||
    !
  !
  sysid|Send out MOP periodic system ID messages|k/o/sb||
    <cr>||||
    !
  !
!
mpls|Configure MPLS interface parameters|k||
  ip|Configure dynamic MPLS forwarding for IP|k/o/sb||
    <cr>||||
    !
  !
  mtu|Set MPLS Maximum Transmission Unit|k/o/n||
    <64-65535>|MTU (bytes)|||
      <cr>||||
      !
    !
    override|Allow an MPLS MTU above the interface MTU|||
      <64-65535>|MTU (bytes)|||
        <cr>||||
        !
      !
    !
  !
  ldp|Label Distribution Protocol interface settings|k||
    igp|LDP-IGP interaction|k||
      sync|LDP-IGP synchronization on this interface|k/o/sb||
        <cr>||||
        !
        delay|Delay before LDP announces synchronization|||
          <5-60>|Seconds|||
            <cr>||||
            !
          !
        !
      !
    !
    discovery|LDP discovery settings|k||
      transport-address|Transport address advertised in LDP hellos|k/o/n||
        a.b.c.d|IP address|||
          <cr>||||
          !
        !
        interface|Use the interface address|||
          <cr>||||
          !
        !
      !
    !
  !
  bgp|MPLS BGP settings|k||
    forwarding|Forward labelled packets from BGP neighbors|k/o/sb||
      <cr>||||
      !
    !
  !
  mldp|Multipoint LDP|k/o/sb||
    <cr>||||
    !
  !
  label|Label settings|k||
    protocol|Label distribution protocol|k/o/n||
      #|protocol|||
        ldp|Use LDP||
        tdp|Use TDP||
        both|Use LDP and TDP||
      #|||
        <cr>||||
        !
      !
    !
  !
  traffic-eng|Traffic engineering|k||
    tunnels|Enable MPLS traffic engineering tunnels|k/o/sb||
      <cr>||||
      !
    !
    attribute-flags|Set user defined interface attribute flags|k/o/n||
      <0-ffffffff>|Attribute flags|||
        <cr>||||
        !
      !
    !
    administrative-weight|Set the administrative weight for the interface|k/o/n||
      <0-4294967295>|Weight|||
        <cr>||||
        !
      !
    !
    backup-path|Configure a backup tunnel|k||
      &interfacefile.cfm|Interface type|k||
        <slot/port>|Interface number|k/n||
          <cr>||||
          !
        !
      !
    !
  !
!
mtu|Set the interface Maximum Transmission Unit (MTU)|k/o/n||
  <64-65535>|MTU size in bytes|||
    <cr>||||
    !
  !
!
negotiate|Negotiation|k||
  auto|Auto negotiation|k/o/sb||
    <cr>||||
    !
  !
!
negotiation|Select Autonegotiation mode|k||
  auto|Enable link autonegotiation|k/o/sb||
    <cr>||||
    !
  !
!
network-clock|Network clock settings|k||
  #|parameter|k/o/n||
    hold-off|Hold-off timer||
    wait-to-restore|Wait-to-restore timer||
  #|||
    <0-86400>|Seconds|||
      <cr>||||
      !
    !
  !
  source|Clock source settings|k||
    quality-level|Quality level|k||
      #|quality|k/o/n||
        -|Quality level not set||
        prc|Primary reference clock||
        prs|Primary reference source||
        sec|SDH equipment clock||
        ssu-a|Synchronization supply unit A||
        ssu-b|Synchronization supply unit B||
        stu|Synchronized traceability unknown||
        dnu|Do not use||
      #|||
        #|direction|||
          rx|Receive||
          tx|Transmit||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
!
ntp|Configure NTP|k||
  broadcast|Configure NTP broadcast service|k/o/n||&ntp_if_opt.cfm
    client|Listen to NTP broadcasts|||
      <cr>||||
      !
    !
    destination|Configure broadcast destination address|||
      a.b.c.d|Destination broadcast IPv4 address|||&ntp_if_opt.cfm
      !
    !
  !
  multicast|Configure NTP multicast service|k/o/n||&ntp_if_opt.cfm
    client|Listen to NTP multicasts|||
      <cr>||||
      !
      a.b.c.d|Multicast IPv4 address|||
        <cr>||||
        !
      !
    !
    a.b.c.d|Multicast IPv4 address|||&ntp_if_opt.cfm
    !
  !
  disable|Disable NTP|k/o/sb||
    <cr>||||
    !
  !
!
nv|Network virtualization|k||
  <cr>||||@(config-if-nv)# nv_satellite.cfm
  !
!
ospf|OSPF settings|k||
  cost|Interface cost|k/o/n||
    <1-65535>|Cost|||
      <cr>||||
      !
    !
  !
!
ospfv3|OSPFv3 settings|k||
  network|Network type|k/o/n||&ospf_network_type.cfm
  !
  passive-interface|Suppress routing updates|k/o/sb||
    <cr>||||
    !
  !
  cost|Interface cost|k/o/n||
    <1-65535>|Cost|||
      <cr>||||
      !
    !
  !
  hello-interval|Time between HELLO packets|k/o/n||
    <1-65535>|Seconds|||
      <cr>||||
      !
    !
  !
  dead-interval|Interval after which a neighbor is declared dead|k/o/n||
    <1-65535>|Seconds|||
      <cr>||||
      !
    !
  !
  priority|Router priority|k/o/n||
    <0-255>|Priority|||
      <cr>||||
      !
    !
  !
  mtu-ignore|Ignores the MTU in DBD packets|k/o/sb||
    <cr>||||
    !
  !
  bfd|Enable BFD on this interface|k/o/sb||
    <cr>||||
    !
  !
  demand-circuit|OSPFv3 demand circuit|k||
    <cr>||||
    !
  !
  flood-reduction|OSPFv3 flooding reduction|k||
    <cr>||||
    !
  !
  encryption|Encrypt and authenticate OSPFv3 packets|k/o/n||
    ipsec|Use IPsec|||
      spi|Security parameter index|||
        <256-4294967295>|SPI value|||
          esp|Encapsulating security payload|||
            #|encryption algorithm|||
              null|No encryption||
              des|DES encryption||
              3des|Triple DES encryption||
            #|||
              #|authentication algorithm|||
                md5|MD5 authentication||
                sha1|SHA-1 authentication||
              #|||
                #|key type|||
                  0|The key is not encrypted||
                  7|The key is encrypted||
                #|||
                  word|Authentication key in hexadecimal|||
                    <cr>||||
                    !
                  !
                !
                word|Authentication key in hexadecimal|||
                  <cr>||||
                  !
                !
              !
            !
          !
        !
      !
    !
    null|No encryption on this interface|||
      <cr>||||
      !
    !
  !
  <1-65535>|Process ID|k||
    cost|Interface cost in this process|k/o/n||
      <1-65535>|Cost|||
        <cr>||||
        !
      !
    !
    #|address family|k||
      ipv4|IPv4 address family||
      ipv6|IPv6 address family||
    #|||
      area|Set the OSPF area ID|o/n||
        #|OSPF area ID|||
          <0-4294967295>|OSPF area ID as a decimal value||
          a.b.c.d|OSPF area ID in IP address format||
        #|||
          <cr>||||
          !
          instance|Set the OSPF instance|||
            <0-255>|Instance ID|||
              <cr>||||
              !
            !
          !
        !
      !
    !
  !
!
packet|Packet settings|k||
  latency|Packet latency|k||
    threshold|Latency threshold|k/o/n||
      <0-4294967295>|Threshold|||
        <cr>||||
        !
      !
    !
  !
!
peakdetect|Peak detection|k/o/sb||
  <cr>||||
  !
!
platform|Platform specific interface settings|k||
  qos|Platform QoS settings|k||
    trust|Trust settings|k/o/n||
      #|trust state|||
        none|Trust nothing||
        cos|Trust CoS||
        dscp|Trust DSCP||
        ip-precedence|Trust IP precedence||
      #|||
        <cr>||||
        !
        remark|Remark the packets||
          <cr>||||
          !
        !
      !
    !
  !
!
port|Port settings|k||
  security|Port security|k||
    <cr>||||@(config-if-port-security)# port_security.cfm
    !
  !
!
port-channel|Port channel settings|k||
  min-links|Minimum number of bundled ports|k/o/n||
    <1-16>|Minimum number of links|||
      <cr>||||
      !
    !
  !
  load-balance|Load balancing method|k/o/n||
    #|method|||
      dst-ip|Destination IP address||
      dst-mac|Destination MAC address||
      src-dst-ip|Source and destination IP address||
      src-dst-mac|Source and destination MAC address||
      src-ip|Source IP address||
      src-mac|Source MAC address||
    #|||
      <cr>||||
      !
    !
  !
  standalone-disable|Disable standalone mode|k/o/sb||
    <cr>||||
    !
  !
  port|Port settings|k||
    load-defer|Defer the load sharing of a port|k/o/sb||
      <cr>||||
      !
    !
  !
!
port-type|Port type|k/o/n||
  #|port type|||
    nni|Network node interface||
    uni|User network interface||
    enni|Enhanced network node interface||
  #|||
    <cr>||||
    !
  !
!
pppoe|PPP over Ethernet|k||
  enable|Enable PPPoE sessions on the interface|k/o/n||
    <cr>||||
    !
    group|PPPoE profile group|||
      word|Group name, or global|||
        <cr>||||
        !
      !
    !
  !
!
pppoe-client|PPPoE client settings|k||
  dial-pool-number|Dialer pool of the PPPoE client|k/o/n||
    <1-255>|Dialer pool number|||
      <cr>||||
      !
      service-name|PPPoE service name|||
        word|Service name|||
          <cr>||||
          !
        !
      !
    !
  !
  ppp-max-payload|Maximum PPP payload|k/o/n||
    <64-9208>|Bytes|||
      <cr>||||
      !
    !
  !
!
power|Power configuration|k||
  // Radio transmit power: the levels the radios offer, in mW or dBm.
  // Each modulation's level is a line of its own.
  local|Radio transmit power|k||
    #|power level|o/n||
      -1|dBm||
      1|mW or dBm||
      2|dBm||
      5|mW or dBm||
      8|dBm||
      10|mW||
      11|dBm||
      12|dBm||
      14|dBm||
      15|dBm||
      17|dBm||
      18|dBm||
      20|mW or dBm||
      21|dBm||
      22|dBm||
      23|dBm||
      24|dBm||
      30|mW||
      40|mW||
      50|mW||
      100|mW||
      maximum|Highest level the regulatory domain allows||
    #|||
      <cr>||||
      !
    !
    #|modulation|k/o/n||
      cck|CCK (802.11b) rates||
      ofdm|OFDM (802.11g) rates||
    #|||
      #|power level|||
        -1|dBm||
        1|mW or dBm||
        2|dBm||
        5|mW or dBm||
        8|dBm||
        10|mW||
        11|dBm||
        12|dBm||
        14|dBm||
        15|dBm||
        17|dBm||
        18|dBm||
        20|mW or dBm||
        21|dBm||
        22|dBm||
        23|dBm||
        24|dBm||
        30|mW||
        40|mW||
        50|mW||
        100|mW||
        maximum|Highest level the regulatory domain allows||
      #|||
        <cr>||||
        !
      !
    !
  !
  inline|Inline power configuration|k||
    #|inline power mode|o/n||
      auto|Automatically detect and power inline devices||
      static|High priority inline power interface||
    #|||
      <cr>||||
      !
      max|Maximum power for the inline device|||
        <2000-90000>|Milli-watts|||
          <cr>||||
          !
        !
      !
    !
    never|Never apply inline power|o/n||
      <cr>||||
      !
    !
    consumption|Configure the inline device consumption|k/o/n||
      <4000-15400>|Milli-watts|||
        <cr>||||
        !
      !
    !
    police|Police the power drawn on the port|k/o/sb||
      <cr>||||
      !
      action|Action to take when the consumption exceeds the allocation|||
        #|action|||
          errdisable|Put the interface in error-disabled state||
          log|Log the event only||
        #|||
          <cr>||||
          !
        !
      !
    !
    port|Inline power port settings|k||
      priority|Inline power priority of the port|k/o/n||
        #|priority|||
          high|High priority port||
          low|Low priority port||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
!
ppp|Point-to-Point Protocol|k||
  authentication|Set PPP link authentication method|k/o/n||
    #|method|lb/le/wa||&ppp_auth_opt.cfm
      chap|Challenge Handshake Authentication Protocol (CHAP)||
      ms-chap|Microsoft Challenge Handshake Authentication Protocol (MS-CHAP)||
      ms-chap-v2|Microsoft CHAP Version 2 (MS-CHAP-V2)||
      pap|Password Authentication Protocol (PAP)||
      eap|Extensible Authentication Protocol (EAP)||
    #|||
    !
  !
  chap|Set CHAP authentication parameters|k||
    hostname|Set alternate CHAP hostname|k/o/n||
      word|Alternate CHAP hostname|||
        <cr>||||
        !
      !
    !
    password|Set default CHAP password|k/o/n||
      <0-7>|Encryption type (0=not yet encrypted)|||
        word|Default PPP authentication password|||
          <cr>||||
          !
        !
      !
      word|Default PPP authentication password|||
        <cr>||||
        !
      !
    !
    refuse|Refuse to authenticate using CHAP|k/o/sb||
      <cr>||||
      !
    !
  !
  pap|Set PAP authentication parameters|k||
    sent-username|Set outbound PAP username|k/o/n||
      word|Outbound PAP username|||
        password|Set outbound PAP password|||
          <0-7>|Encryption type (0=not yet encrypted)|||
            word|Outbound PAP password|||
              <cr>||||
              !
            !
          !
          word|Outbound PAP password|||
            <cr>||||
            !
          !
        !
      !
    !
    refuse|Refuse to authenticate using PAP|k/o/sb||
      <cr>||||
      !
    !
  !
  ipcp|Set IPCP negotiation options|k||
    #|option|k/o/sb||
      accept-address|Accept any non zero peer IP address||
      route|Install a route to the peer||
    #|||
      <cr>||||
      !
    !
    dns|Specify DNS negotiation options|k/o/n||
      request|Request server addresses from peer|||
        <cr>||||
        !
      !
      accept|Accept any non zero DNS address|||
        <cr>||||
        !
      !
      a.b.c.d|Primary DNS IP address|||
        <cr>||||
        !
        a.b.c.d|Secondary DNS IP address|||
          <cr>||||
          !
        !
      !
    !
    address|IPCP address options|k||
      accept|Accept any non zero peer IP address|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  multilink|Make interface multilink capable|k/o/sb||
    <cr>||||
    !
    group|Put interface in a multilink bundle|k/o/n||
      <1-2147483647>|Multilink group number|||
        <cr>||||
        !
      !
    !
    fragment|Multilink fragmentation|k||
      disable|Disable multilink fragmentation|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  max-bad-auth|Allow multiple authentication failures|k/o/n||
    <1-255>|Number of attempts allowed|||
      <cr>||||
      !
    !
  !
  timeout|Set PPP timeout parameters|k||
    retry|Timeout between retries|k/o/n||
      <1-255>|Seconds|||
        <cr>||||
        !
      !
    !
  !
  lcp|PPP LCP configuration|k||
    delay|Delay before PPP sends first packet|k/o/n||
      <0-255>|Seconds|||
        <cr>||||
        !
      !
    !
  !
!
priority-flow-control|Priority flow control|k||
  mode|Mode|k/o/n||
    #|mode|||
      auto|Negotiate with the peer||
      on|Enable priority flow control||
      off|Disable priority flow control||
    #|||
      <cr>||||
      !
    !
  !
!
priority-queue|Priority Queue|k||
  out|egress priority queue|k/o/sb||
    <cr>||||
    !
  !
!
private-vlan|Private VLAN|k||
  mapping|Map primary VLAN to secondary VLANs|k/o/n||
    #|change|||
      add|Add secondary VLANs||
      remove|Remove secondary VLANs||
    #|||
      word|Secondary VLAN IDs, example: 100-105,110|||
        <cr>||||
        !
      !
    !
    word|Secondary VLAN IDs, example: 100-105,110|||
      <cr>||||
      !
    !
  !
!
pulse-time|Time DTR is held low when the interface restarts|k/o/n||
  <0-60>|Seconds|||
    <cr>||||
    !
  !
!
pvc|Configure an ATM PVC|k||
  word|PVC name, or VPI/VCI numbers|k/n||
    <cr>||||@(config-if-atm-vc)# pvc.cfm
    !
    #|encapsulation|||
      ilmi|Configure the management PVC for this interface||
      qsaal|Configure the signalling PVC for this interface||
    #|||
      <cr>||||@(config-if-atm-vc)# pvc.cfm
      !
    !
    word|VPI/VCI numbers|k/n||
      <cr>||||@(config-if-atm-vc)# pvc.cfm
      !
      #|encapsulation|||
        ilmi|Configure the management PVC for this interface||
        qsaal|Configure the signalling PVC for this interface||
      #|||
        <cr>||||@(config-if-atm-vc)# pvc.cfm
        !
      !
    !
  !
!
redundancy|Redundancy settings|k||
  rii|Redundancy interface identifier|k/o/n||
    <1-65535>|Identifier|||
      <cr>||||
      !
    !
  !
  group|Redundancy group|k||
    <1-2>|Group number|k||
      ip|Virtual IP address|k/o/n||
        a.b.c.d|Virtual IP address|||
          exclusive|Exclusive use of the address|||
            <cr>||||
            !
            decrement|Decrement the priority|||
              <1-255>|Priority decrement|||
                <cr>||||
                !
              !
            !
          !
        !
      !
      decrement|Decrement the priority|k/o/n||
        <1-255>|Priority decrement|||
          <cr>||||
          !
        !
      !
    !
  !
!
routing|Routing settings|k||
  dynamic|Dynamic routing|k/o/sb||
    <cr>||||
    !
  !
!
serial|Serial interface settings|k||
  restart-delay|Restart delay|k/o/n||
    <0-900>|Seconds|||
      <cr>||||
      !
    !
  !
!
service|Service settings|k||
  instance|Service instance|k||
    <1-8000>|Service instance identifier|k/n||
      ethernet|Ethernet service|||
        <cr>||||@(config-if-srv)# service_instance.cfm
        !
        word|EVC name|||
          <cr>||||@(config-if-srv)# service_instance.cfm
          !
        !
      !
    !
  !
!
service-module|Service module settings|k||
  t1|T1 CSU/DSU settings|k||
    cablelength|Cable length|k/o/n||
      long|Long cable: receiver gain and transmit attenuation|||
        #|Transmit attenuation|||
          -15db|-15 dB||
          -22.5db|-22.5 dB||
          -7.5db|-7.5 dB||
          0db|0 dB||
        #|||
          <cr>||||
          !
        !
      !
      short|Short cable length|||
        #|Cable length|||
          110ft|0-110 feet||
          220ft|110-220 feet||
          330ft|220-330 feet||
          440ft|330-440 feet||
          550ft|440-550 feet||
          600ft|550-600 feet||
        #|||
          <cr>||||
          !
        !
      !
    !
    clock|Clock settings|k||
      source|Clock source|k/o/n||
        internal|Internal clock|||
          <cr>||||
          !
        !
        &cmd_line.cfm|Recovered line clock|||
          <cr>||||
          !
        !
      !
    !
    data-coding|Data coding|k/o/n||
      #|Coding|||
        inverted|Inverted data||
        normal|Normal data||
      #|||
        <cr>||||
        !
      !
    !
    fdl|Facility data link|k/o/n||
      #|Standard|||
        ansi|ANSI T1.403||
        att|AT&T TR 54016||
      #|||
        <cr>||||
        !
      !
    !
    framing|Frame type|k/o/n||
      #|Frame type|||
        esf|Extended super frame||
        sf|D4 super frame||
      #|||
        <cr>||||
        !
      !
    !
    lbo|Line build out|k/o/n||
      #|Build out|||
        -15db|-15 dB||
        -7.5db|-7.5 dB||
        none|No build out||
      #|||
        <cr>||||
        !
      !
    !
    linecode|Line code|k/o/n||
      #|Line code|||
        ami|Alternate mark inversion||
        b8zs|Bipolar 8 zero substitution||
      #|||
        <cr>||||
        !
      !
    !
    remote-alarm-enable|Enable the remote alarm|k||
      <cr>||||
      !
    !
    timeslots|Fractional T1 timeslots|k/o/n||
      all|All 24 timeslots|||
        <cr>||||
        !
        speed|Timeslot speed|||
          #|Speed|||
            56|56 kbit/s||
            64|64 kbit/s||
          #|||
            <cr>||||
            !
          !
        !
      !
      word|Timeslot list, such as 1-12 or 1-4,7|||
        <cr>||||
        !
        speed|Timeslot speed|||
          #|Speed|||
            56|56 kbit/s||
            64|64 kbit/s||
          #|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
service-policy|Configure CPL Service Policy|k||
  #|direction|k/o/n||
    input|Assign policy-map to the input of an interface||
    output|Assign policy-map to the output of an interface||
  #|||
    word|policy-map name|||
      <cr>||||
      !
    !
  !
  type|Policy type|k||
    #|policy type|k||
      inspect|Configure CPL Inspect Policy||
      control|Configure a control policy||
      pppoe|Configure a PPPoE policy||
    #|||
      word|policy-map name|k/o/n||
        <cr>||||
        !
      !
      subscriber|Configure a subscriber control policy|k||
        word|policy-map name|k/o/n||
          <cr>||||
          !
        !
      !
    !
    #|policy type|k||
      qos|Configure a QoS policy||
      access-control|Configure an access control policy||
    #|||
      #|direction|k/o/n||
        input|Assign policy-map to the input of an interface||
        output|Assign policy-map to the output of an interface||
      #|||
        word|policy-map name|||
          <cr>||||
          !
        !
      !
    !
  !
!
shape|Traffic shaping|k||
  rate|Shaping rate|k/o/n||
    <8000-100000000000>|Rate in bits per second|||
      <cr>||||
      !
    !
  !
  kbps|Shaping rate in kbps|k/o/n||
    <8-100000000>|Rate in kilobits per second|||
      <cr>||||
      !
    !
  !
!
shutdown|Shutdown the selected interface|k||
  <cr>||||
  !
  #|component|k||
    lan|Shut down LAN||
    wlan|Shut down WLAN||
  #|||
    <cr>||||
    !
  !
!
small-frame|Set rate limit parameters for small frames|k||
  violation-rate|Rate limit for small frames (packets per second)|k/o/n||
    <1-10000>|Threshold rate in packets per second|||
      <cr>||||
      !
    !
  !
!
snmp|Modify SNMP interface parameters|k||
  trap|Allow a specific SNMP trap|k||
    link-status|Allow SNMP LINKUP and LINKDOWN traps|k/o/sb||
      <cr>||||
      !
      permit|Permit the trap|||
        duplicates|Permit duplicate traps|||
          <cr>||||
          !
        !
      !
    !
    mac-notification|MAC address notification for this interface|k||
      #|change|k/o/sb||
        added|Enable MAC notification for added addresses||
        removed|Enable MAC notification for removed addresses||
      #|||
        <cr>||||
        !
      !
    !
    ip|IP traps|k||
      verify|Verify traps|k||
        drop-rate|Drop rate trap|k/o/sb||
          <cr>||||
          !
        !
      !
    !
  !
  ifindex|Ifindex settings|k||
    #|setting|k/o/sb||
      persist|Persist interface indices||
      clear|Clear the interface index persistence setting||
    #|||
      <cr>||||
      !
    !
  !
!
spanning-tree|Spanning Tree Subsystem|k||
  bpdufilter|Don't send or receive BPDUs on this interface|k/o/sb||
    <cr>||||
    !
    #|setting|||
      disable|Disable BPDU filtering for this interface||
      enable|Enable BPDU filtering for this interface||
    #|||
      <cr>||||
      !
    !
  !
  bpduguard|Don't accept BPDUs on this interface|k/o/sb||
    <cr>||||
    !
    #|setting|||
      disable|Disable BPDU guard for this interface||
      enable|Enable BPDU guard for this interface||
      nv|Network virtualization||
    #|||
      <cr>||||
      !
    !
  !
  cost|Change an interface's spanning tree port path cost|k/o/n||
    <1-200000000>|port path cost|||
      <cr>||||
      !
    !
    auto|Automatic cost|||
      <cr>||||
      !
    !
  !
  guard|Change an interface's spanning tree guard mode|k/o/n||
    #|mode|||
      loop|Set guard mode to loop guard on interface||
      none|Set guard mode to none||
      root|Set guard mode to root guard on interface||
    #|||
      <cr>||||
      !
    !
  !
  link-type|Specify a link type for spanning tree protocol use|k/o/n||
    #|link type|||
      auto|Determine link type based on media duplex of this interface||
      point-to-point|Consider the interface as point-to-point||
      shared|Consider the interface as shared||
    #|||
      <cr>||||
      !
    !
  !
  mst|Multiple spanning tree|k||
    word|MST instance list, example 0,2-4,6|k||
      cost|Change the interface spanning tree path cost for an instance|k/o/n||
        #|cost|||
          <1-200000000>|port path cost||
          auto|Automatic cost||
        #|||
          <cr>||||
          !
        !
      !
      port-priority|Change the spanning tree port priority for an instance|k/o/n||
        &stp_port_priority.cfm|port priority in increments of 16|||
          <cr>||||
          !
        !
      !
    !
    pre-standard|Force pre-standard MST BPDU transmission on port|k/o/sb||
      <cr>||||
      !
    !
  !
  port|Spanning tree port options|k||
    type|Port type|k/o/n||
      #|port type|||
        edge|Consider the interface as edge port (enable portfast)||
        network|Consider the interface as inter-switch link||
        normal|Consider the interface as normal spanning tree port||
      #|||
        <cr>||||
        !
      !
      edge|Consider the interface as edge port (enable portfast)|||
        trunk|Consider the interface as edge port even in trunk mode|||
          <cr>||||
          !
        !
      !
    !
  !
  port-priority|Change an interface's spanning tree port priority|k/o/n||
    &stp_port_priority.cfm|port priority in increments of 16|||
      <cr>||||
      !
    !
  !
  portfast|Portfast options for the interface|k/o/sb||
    <cr>||||
    !
    #|option|||
      disable|Disable portfast for this interface||
      edge|Enable portfast edge on the interface||
      network|Enable portfast network on the interface||
      trunk|Enable portfast on the interface even in trunk mode||
    #|||
      <cr>||||
      !
      trunk|Enable portfast on the interface even in trunk mode|||
        <cr>||||
        !
      !
    !
  !
  priority|Priority|k/o/n||
    <0-61440>|Priority|||
      <cr>||||
      !
    !
  !
  protect|Protect|k/o/sb||
    <cr>||||
    !
  !
  vlan|VLAN Switch Spanning Tree|k||
    word|VLAN list, example 1,3-5,7|k||
      cost|Change an interface's per VLAN spanning tree path cost|k/o/n||
        <1-200000000>|port path cost|||
          <cr>||||
          !
        !
      !
      port-priority|Change an interface's spanning tree port priority|k/o/n||
        &stp_port_priority.cfm|port priority in increments of 16|||
          <cr>||||
          !
        !
      !
    !
  !
!
source|Get config from another source|k||
  template|Get config from a template|k/o/n||
    word|Template name|||
      <cr>||||
      !
    !
  !
!
speed|Configure speed operation|k/o/n||
  #|speed|||
    10|Force 10 Mbps operation||
    100|Force 100 Mbps operation||
    1000|Force 1000 Mbps operation||
    10000|Force 10000 Mbps operation||
    2500|Force 2500 Mbps operation||
    5000|Force 5000 Mbps operation||
    25000|Force 25000 Mbps operation||
    40000|Force 40000 Mbps operation||
    100000|Force 100000 Mbps operation||
    nonegotiate|Do not negotiate speed||
  #|||
    <cr>||||
    !
  !
  auto|Enable AUTO speed configuration|||
    <cr>||||
    !
    #|speed|lb/le/wa||
      10|Include 10 Mbps in auto-negotiation||
      100|Include 100 Mbps in auto-negotiation||
      1000|Include 1000 Mbps in auto-negotiation||
      2500|Include 2500 Mbps in auto-negotiation||
      5000|Include 5000 Mbps in auto-negotiation||
      10000|Include 10000 Mbps in auto-negotiation||
    #|||
      <cr>||||
      !
    !
  !
  &radio_rates.cfm|Radio data rate|lb/le/wa||
    <cr>||||
    !
  !
  #|radio rate setting|||
    default|Set rates to the default||
    range|Set rates for best range||
    throughput|Set rates for best throughput||
    ofdm-throughput|Set rates for best OFDM throughput||
    only-ofdm|Set only OFDM rates||
  #|||
    <cr>||||
    !
  !
!
srr-queue|Configure shaped round-robin transmit queues|k||
  bandwidth|Configure srr bandwidth|k||
    share|Configure shared bandwidth|k/o/n||
      <1-255>|Weight for queue 1|||
        <1-255>|Weight for queue 2|||
          <1-255>|Weight for queue 3|||
            <1-255>|Weight for queue 4|||
              <cr>||||
              !
            !
          !
        !
      !
    !
    shape|Configure shaped bandwidth|k/o/n||
      <0-65535>|Weight for queue 1 (0 disables shaping)|||
        <0-65535>|Weight for queue 2 (0 disables shaping)|||
          <0-65535>|Weight for queue 3 (0 disables shaping)|||
            <0-65535>|Weight for queue 4 (0 disables shaping)|||
              <cr>||||
              !
            !
          !
        !
      !
    !
    limit|Configure bandwidth limit|k/o/n||
      <10-90>|Percentage of the port speed|||
        <cr>||||
        !
      !
    !
  !
!
ssid|Wireless SSID|k||
  // A radio carries several SSIDs, one line each.
  word|SSID|k/n||
    <cr>||||
    !
  !
!
mbssid|Broadcast one basic SSID per SSID on this radio|k||
  <cr>||||
  !
!
standby|HSRP interface configuration commands|k||&hsrp_group.cfm
  <0-4095>|group number|k||&hsrp_group.cfm
  !
  version|HSRP version|k/o/n||
    <1-2>|Version|||
      <cr>||||
      !
    !
  !
  delay|HSRP initialisation delay|k/o/n||
    minimum|Delay at least this long|||
      <0-10000>|Seconds|||
        <cr>||||
        !
        reload|Delay after reload|||
          <0-10000>|Seconds|||
            <cr>||||
            !
          !
        !
      !
    !
    reload|Delay after reload|||
      <0-10000>|Seconds|||
        <cr>||||
        !
      !
    !
  !
  use-bia|HSRP uses interface's burned in address|k/o/sb||
    <cr>||||
    !
  !
  bfd|Enable HSRP BFD|k/o/sb||
    <cr>||||
    !
  !
  follow|Name of HSRP group to follow|k/o/n||
    word|Redundancy name string|||
      <cr>||||
      !
    !
  !
!
station-role|Station role|k/o/n||
  root|Root access point or bridge|||
    <cr>||||
    !
    #|role|||
      access-point|Root access point||
      bridge|Root bridge||
    #|||
      <cr>||||
      !
      #|fallback|||
        fallback|Fallback when the root is down||
      #|||
        #|mode|||
          repeater|Fall back to repeater||
          shutdown|Shut down the radio||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
  non-root|Non-root bridge or client|||
    <cr>||||
    !
    #|role|||
      bridge|Non-root bridge||
      wireless-clients|Non-root bridge with wireless clients||
    #|||
      <cr>||||
      !
    !
  !
  repeater|Repeater access point|||
    <cr>||||
    !
  !
  workgroup-bridge|Workgroup bridge|||
    <cr>||||
    !
  !
  scanner|Scanner|||
    <cr>||||
    !
  !
!
stbc|Space-time block coding|k/o/sb||
  <cr>||||
  !
!
storm-control|Storm control|k||
  #|traffic type|k||
    broadcast|Broadcast address storm control||
    multicast|Multicast address storm control||
    unicast|Unicast address storm control||
  #|||
    level|Set storm suppression level on this interface|o/n||
      #|rising threshold|||&storm_falling.cfm
        <0-100>|Enter rising threshold (percent)||
        <0.00-100.00>|Enter rising threshold (percent with decimals)||
      #|||
      !
      bps|Enter suppression level in bits per second|||
        <0-10000000000>|Rising threshold|||
          <cr>||||
          !
          <0-10000000000>|Falling threshold|||
            <cr>||||
            !
          !
        !
      !
      pps|Enter suppression level in packets per second|||
        <0-10000000000>|Rising threshold|||
          <cr>||||
          !
          <0-10000000000>|Falling threshold|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  action|Action to take for storm-control|k/o/n||
    #|action|||
      shutdown|Shutdown this interface if a storm occurs||
      trap|Send SNMP trap if a storm occurs||
    #|||
      <cr>||||
      !
    !
  !
!
switchport|Set switching mode characteristics|k/o/sb||
  <cr>||||
  !
  access|Set access mode characteristics of the interface|k||
    vlan|Set VLAN when interface is in access mode|k/o/n||
      <1-4094>|VLAN ID of the VLAN when this port is in access mode|||
        <cr>||||
        !
      !
      name|Name of the VLAN|||
        word|VLAN name|||
          <cr>||||
          !
        !
      !
      dynamic|When in access mode, this interfaces VLAN is controlled by VMPS|||
        <cr>||||
        !
      !
    !
  !
  mode|Set trunking mode of the interface|k/o/n||
    #|mode|||
      access|Set trunking mode to ACCESS unconditionally||
      dot1q-tunnel|set trunking mode to TUNNEL unconditionally||
      trunk|Set trunking mode to TRUNK unconditionally||
    #|||
      <cr>||||
      !
    !
    dynamic|Set trunking mode to dynamically negotiate access or trunk mode|||
      #|dynamic mode|||
        auto|Set trunking mode dynamic negotiation parameter to AUTO||
        desirable|Set trunking mode dynamic negotiation parameter to DESIRABLE||
      #|||
        <cr>||||
        !
      !
    !
    private-vlan|Set private-vlan mode|||
      #|private VLAN mode|||
        host|Set the mode to private-vlan host||
        promiscuous|Set the mode to private-vlan promiscuous||
      #|||
        <cr>||||
        !
      !
      trunk|Set the mode to private-vlan trunk|||
        <cr>||||
        !
        #|trunk type|||
          promiscuous|Set the mode to private-vlan trunk promiscuous||
          secondary|Set the mode to private-vlan trunk secondary||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
  trunk|Set trunking characteristics of the interface|k||
    allowed|Set allowed VLAN characteristics when interface is in trunking mode|k||
      vlan|Set allowed VLANs when interface is in trunking mode|k/o/n||
        #|list|||
          all|all VLANs||
          none|no VLANs||
        #|||
          <cr>||||
          !
        !
        #|list change|||
          add|add VLANs to the current list||
          except|all VLANs except the following||
          remove|remove VLANs from the current list||
        #|||
          word|VLAN IDs, example: 1,3-5,7|||
            <cr>||||
            !
          !
        !
        word|VLAN IDs of the allowed VLANs when this port is in trunking mode|||
          <cr>||||
          !
        !
      !
    !
    native|Set trunking native characteristics when interface is in trunking mode|k||
      vlan|Set native VLAN when interface is in trunking mode|k/o/n||
        <1-4094>|VLAN ID of the native VLAN when this port is in trunking mode|||
          <cr>||||
          !
        !
        tag|Tag native VLAN|||
          <cr>||||
          !
        !
      !
    !
    pruning|Set pruning VLAN characteristics when interface is in trunking mode|k||
      vlan|Set VLANs enabled for pruning when interface is in trunking mode|k/o/n||
        #|list|||
          all|all VLANs||
          none|no VLANs||
        #|||
          <cr>||||
          !
        !
        #|list change|||
          add|add VLANs to the current list||
          except|all VLANs except the following||
          remove|remove VLANs from the current list||
        #|||
          word|VLAN IDs, example: 2,3-5,7|||
            <cr>||||
            !
          !
        !
        word|VLAN IDs, example: 2,3-5,7|||
          <cr>||||
          !
        !
      !
    !
    encapsulation|Set trunking encapsulation when interface is in trunking mode|k/o/n||
      #|encapsulation|||
        dot1q|Interface uses only 802.1q trunking encapsulation when trunking||
        isl|Interface uses only ISL trunking encapsulation when trunking||
        negotiate|Device will negotiate trunking encapsulation with peer on interface||
      #|||
        <cr>||||
        !
      !
    !
  !
  nonegotiate|Device will not engage in negotiation protocol on this interface|k/o/sb||
    <cr>||||
    !
  !
  port-security|Security related command|k/o/sb||
    <cr>||||
    !
    maximum|Max secure addresses|k/o/n||
      <1-4097>|Maximum addresses|||
        <cr>||||
        !
        vlan|Max secure addresses per vlan|||
          <cr>||||
          !
          #|VLAN type|||
            access|access vlan||
            voice|voice vlan||
          #|||
            <cr>||||
            !
          !
        !
      !
    !
    violation|Security violation mode|k/o/n||
      #|mode|||
        protect|Security violation protect mode||
        restrict|Security violation restrict mode||
        shutdown|Security violation shutdown mode||
      #|||
        <cr>||||
        !
        vlan|Shutdown the VLAN on violation|||
          <cr>||||
          !
        !
      !
    !
    mac-address|Secure mac address|k||
      h.h.h|48 bit mac address|k/n||
        <cr>||||
        !
        vlan|VLAN of the address|k/n||
          <1-4094>|VLAN ID|k/n||
            <cr>||||
            !
          !
          #|VLAN type|k/n||
            access|access vlan||
            voice|voice vlan||
          #|||
            <cr>||||
            !
          !
        !
      !
      sticky|Configure dynamic secure addresses as sticky|k/o/sb||
        <cr>||||
        !
        h.h.h|48 bit mac address|k/n||
          <cr>||||
          !
          vlan|VLAN of the address|k/n||
            <1-4094>|VLAN ID|k/n||
              <cr>||||
              !
            !
            #|VLAN type|k/n||
              access|access vlan||
              voice|voice vlan||
            #|||
              <cr>||||
              !
            !
          !
        !
      !
    !
    aging|Port-security aging commands|k||
      time|Port-security aging time|k/o/n||
        <1-1440>|Aging time in minutes|||
          <cr>||||
          !
        !
      !
      type|Port-security aging type|k/o/n||
        #|type|||
          absolute|Absolute aging (default)||
          inactivity|Aging based on inactivity time period||
        #|||
          <cr>||||
          !
        !
      !
      static|Enable aging for configured secure addresses|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  voice|Voice appliance attributes|k||
    vlan|VLAN for voice traffic|k/o/n||
      <1-4094>|Vlan for voice traffic|||
        <cr>||||
        !
      !
      #|voice VLAN|||
        dot1p|Priority tagged on PVID||
        none|Don't tell telephone about voice vlan||
        untagged|Untagged on PVID||
      #|||
        <cr>||||
        !
      !
      name|Name of the voice VLAN|||
        word|VLAN name|||
          <cr>||||
          !
        !
      !
    !
    detect|Detection of voice appliances|k||
      cisco-phone|Cisco IP phones|k/o/sb||
        <cr>||||
        !
        full-duplex|Cisco IP phone in full duplex|||
          <cr>||||
          !
        !
      !
    !
  !
  backup|Set backup for the interface|k||
    interface|Specify an interface|k/o/n||
      word|Interface name|||&switchport_backup_opt.cfm
      !
    !
  !
  block|Disable forwarding of unknown uni/multi cast addresses|k||
    #|traffic|k/o/sb||
      multicast|Block unknown multicast addresses||
      unicast|Block unknown unicast addresses||
    #|||
      <cr>||||
      !
    !
  !
  protected|Configure an interface to be a protected port|k/o/sb||
    <cr>||||
    !
  !
  capture|Capture|k/o/sb||
    <cr>||||
    !
    allowed|Allowed VLANs|||
      vlan|VLANs|||
        word|VLAN IDs|||
          <cr>||||
          !
        !
      !
    !
  !
  priority|Priority|k||
    extend|Set appliance 802.1p priority|k/o/n||
      cos|Override 802.1p priority of devices on appliance|||
        <0-7>|Priority for devices on appliance|||
          <cr>||||
          !
        !
      !
      trust|Trust 802.1p priorities of devices on appliance|||
        <cr>||||
        !
      !
    !
  !
  dot1q|802.1q|k||
    ethertype|Ethertype of the tags|k/o/n||
      <0-ffff>|Ethertype value|||
        <cr>||||
        !
      !
    !
  !
  host|Set port host|k||
    <cr>||||
    !
  !
  autostate|Include or exclude this port from VLAN link up calculation|k||
    exclude|Exclude this port|k/o/sb||
      <cr>||||
      !
    !
  !
  private-vlan|Set the private VLAN configuration|k||
    host-association|Set the private VLAN host association|k/o/n||
      <1-4094>|Primary extended range VLAN ID of the private VLAN host port association|||
        <1-4094>|Secondary extended range VLAN ID of the private VLAN host port association|||
          <cr>||||
          !
        !
      !
    !
    mapping|Set the private VLAN promiscuous mapping|k/o/n||
      <1-4094>|Primary extended range VLAN ID of the private VLAN promiscuous port mapping|||
        word|Secondary VLAN IDs, example: 101-105,109|||
          <cr>||||
          !
        !
        #|change|||
          add|Add VLANs to the current list||
          remove|Remove VLANs from the current list||
        #|||
          word|Secondary VLAN IDs|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  monitor|Monitor|k/o/sb||
    <cr>||||
    !
  !
!
synchronous|Synchronous settings|k||
  mode|Synchronous mode|k/o/sb||
    <cr>||||
    !
  !
!
transceiver|Transceiver settings|k||
  permit|Permit transceivers|k/o/n||
    pid|Permit by product identifier|||
      all|All transceivers|||
        <cr>||||
        !
      !
      word|Product identifier|||
        <cr>||||
        !
      !
    !
  !
!
transport-mode|Transport mode|k/o/n||
  #|mode|||
    lan|LAN PHY mode||
    wan|WAN PHY mode||
  #|||
    <cr>||||
    !
  !
  otn|OTN mode|||
    <cr>||||
    !
    bit-transparent|Bit transparent mapping|||
      #|OTN mapping|||
        opu1e|OPU1e||
        opu2e|OPU2e||
      #|||
        <cr>||||
        !
      !
    !
  !
!
trust|Set trust value for the interface|k||
  device|Trusted device class|k/o/n||
    #|device|||
      cisco-phone|Cisco IP Phone||
      cts|Cisco TelePresence System||
      ip-camera|Cisco IP camera||
      media-player|Cisco digital media player||
    #|||
      <cr>||||
      !
    !
  !
!
tunnel|protocol-over-protocol tunneling|k||
  source|source of tunnel packets|k/o/n||
    a.b.c.d|ip address|||
      <cr>||||
      !
    !
    dynamic|Dynamic source|||
      <cr>||||
      !
    !
    &interfacefile.cfm|Interface type|k||
      <slot/port>|interface number|n||
        <cr>||||
        !
      !
    !
  !
  destination|destination of tunnel|k/o/n||
    hostname or a.b.c.d|ip address or host name|||
      <cr>||||
      !
    !
  !
  mode|tunnel encapsulation method|k/o/n||
    gre|generic route encapsulation protocol|||
      #|transport|||
        ip|over IP||
        ipv6|over IPv6||
        multipoint|over IPv4 (multipoint)||
      #|||
        <cr>||||
        !
        ipv6|over IPv6 (multipoint)|||
          <cr>||||
          !
        !
      !
    !
    ipsec|IPSec tunnel encapsulation|||
      #|transport|||
        ipv4|over IPv4||
        ipv6|over IPv6||
      #|||
        <cr>||||
        !
        v6-overlay|IPv6 overlay|||
          <cr>||||
          !
        !
      !
    !
    #|mode|||
      ipip|IP over IP encapsulation||
      ipv6ip|IPv6 over IP encapsulation||
      ipv6|Generic packet tunneling in IPv6||
      dvmrp|DVMRP multicast tunnel||
      iptalk|Apple IPTalk encapsulation||
      mpls|MPLS encapsulations||
      aurp|AURP TunnelTalk AppleTalk encapsulation||
      cayman|Cayman TunnelTalk AppleTalk encapsulation||
      nos|IP over IP encapsulation (KA9Q/NOS compatible)||
      l2tpv3|L2TPv3 encapsulation||
      udp|UDP encapsulation||
    #|||
      <cr>||||
      !
      #|option|||
        decapsulate-any|Decapsulate any incoming tunnel packet||
        6rd|IPv6 rapid deployment||
        auto-tunnel|IPv6 automatic tunnel||
        isatap|IPv6 ISATAP tunnel||
        6to4|IPv6 6to4 tunnel||
        traffic-eng|Traffic engineering||
        ip|over IP||
      #|||
        <cr>||||
        !
      !
    !
    ethernet|Ethernet over GRE|||
      gre|GRE|||
        #|transport|||
          ipv4|over IPv4||
          ipv6|over IPv6||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
  key|security or selector key|k/o/n||
    <0-4294967295>|key|||
      <cr>||||
      !
    !
  !
  protection|Enable tunnel protection|k||
    ipsec|IPsec settings|k||
      profile|Determine the ipsec policy profile to use|k/o/n||
        word|Name of the profile|||
          <cr>||||
          !
          shared|Shared tunnel protection|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  path-mtu-discovery|Enable Path MTU Discovery on tunnel|k/o/sb||
    <cr>||||
    !
    age-timer|Set PMTUD aging timer|||
      <10-30>|Aging time in minutes|||
        <cr>||||
        !
      !
      infinite|Disable PMTUD aging timer|||
        <cr>||||
        !
      !
    !
    min-mtu|Min pmtud mtu allowed|||
      <92-65535>|Bytes|||
        <cr>||||
        !
      !
    !
  !
  bandwidth|Set tunnel bandwidth informational parameter|k||
    #|direction|k/o/n||
      receive|Receive bandwidth||
      transmit|Transmit bandwidth||
    #|||
      <1-10000000>|Bandwidth in kilobits|||
        <cr>||||
        !
      !
    !
  !
  vrf|Set tunnel vrf membership|k/o/n||
    word|VRF name|||
      <cr>||||
      !
    !
  !
  ttl|Set time to live|k/o/n||
    <1-255>|TTL|||
      <cr>||||
      !
    !
  !
  tos|Set type of service byte|k/o/n||
    <0-255>|TOS|||
      <cr>||||
      !
    !
  !
  checksum|Enable end to end checksumming of packets|k/o/sb||
    <cr>||||
    !
  !
  sequence-datagrams|Drop datagrams arriving out of order|k/o/sb||
    <cr>||||
    !
  !
  route-via|Select subset of routes for tunnel transport|k/o/n||
    &interfacefile.cfm|Interface type|||
      <slot/port>|Interface number|||
        #|preference|||
          mandatory|Drop the traffic if no route||
          preferred|Use the tunnel's default route if no route||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
!
tx-queue|Transmit queue|k||
  <0-7>|Queue number|k/n||
    <cr>||||@(config-if-tx-queue)# tx_queue.cfm
    !
  !
!
udld|Configure UDLD enabled or disabled and ignore global UDLD setting|k||
  port|Enable UDLD protocol on this interface|k/o/sb||
    <cr>||||
    !
    #|mode|||
      aggressive|Enable UDLD protocol in aggressive mode on this interface||
      disable|Disable UDLD protocol on this interface||
    #|||
      <cr>||||
      !
    !
  !
!
vrf|VPN Routing/Forwarding parameters on the interface|k||
  forwarding|Configure forwarding table|k/o/n||
    word|VPN Routing/Forwarding instance name|||
      <cr>||||
      !
    !
  !
!
vrrp|VRRP Interface configuration commands|k||
  <1-255>|Group number|k||
    ip|Enable Virtual Router Redundancy Protocol (VRRP) for IP|k/o/n||
      a.b.c.d|Virtual router IP address|||
        <cr>||||
        !
        secondary|Specify an additional VRRP address for this group|k/a||
          <cr>||||
          !
        !
      !
    !
    priority|Priority of this VRRP group|k/o/n||
      <1-254>|Priority level|||
        <cr>||||
        !
      !
    !
    preempt|Enable preemption of lower priority Master|k/o/sb||
      <cr>||||
      !
      delay|Wait before preempting|||
        minimum|Delay at least this long|||
          <0-3600>|Seconds|||
            <cr>||||
            !
          !
        !
      !
    !
    timers|Set the VRRP timers|k||
      advertise|Set the Advertisement timer|k/o/n||
        <1-255>|Advertisement interval in seconds|||
          <cr>||||
          !
        !
        msec|Specify time in milliseconds|||
          <50-999>|Advertisement interval in milliseconds|||
            <cr>||||
            !
          !
        !
      !
      learn|Learn Master's advertisement interval|k/o/sb||
        <cr>||||
        !
      !
    !
    description|Group specific description|k/o/n||
      line|Up to 80 characters describing this group|lb/le/wa||
        <cr>||||
        !
      !
    !
    authentication|Authentication|k/o/n||
      word|Plain text authentication string (8 chars max)|||
        <cr>||||
        !
      !
      text|Plain text authentication|||
        word|Plain text authentication string (8 chars max)|||
          <cr>||||
          !
        !
      !
      md5|Use MD5 authentication|||
        key-string|Set key string|||
          <0-7>|Encryption type|||
            word|Key string|||
              <cr>||||
              !
            !
          !
          word|Key string|||
            <cr>||||
            !
          !
        !
        key-chain|Set key chain|||
          word|Name of key-chain|||
            <cr>||||
            !
          !
        !
      !
    !
    track|Event Tracking|k||
      <1-1000>|Tracked object number|k/o/n||
        <cr>||||
        !
        decrement|Priority decrement|||
          <1-254>|Decrement value|||
            <cr>||||
            !
          !
        !
      !
    !
    shutdown|Disable VRRP configuration|k/o/sb||
      <cr>||||
      !
    !
    address-family|VRRP address family|k||
      #|address family|k/n||
        ipv4|IPv4 address family||
        ipv6|IPv6 address family||
      #|||
        <cr>||||@(config-if-vrrp)# vrrp_group.cfm
        !
      !
    !
  !
!
vtp|Enable VTP on this interface|k/o/sb||
  <cr>||||
  !
!
xconnect|Xconnect commands|k/o/n||
  a.b.c.d|IP address of peer|||
    <1-4294967295>|Enter a 32-bit VC ID in decimal|||
      encapsulation|Data encapsulation method|||
        #|encapsulation|||
          mpls|Use MPLS encapsulation||
          l2tpv3|Use L2TPv3 encapsulation||
        #|||
          <cr>||||@(config-if-xconn)# xconnect.cfm
          !
          manual|Manually configure the session|||
            <cr>||||@(config-if-xconn)# xconnect.cfm
            !
          !
          pw-class|Pseudowire class|||
            word|Pseudowire class name|||
              <cr>||||@(config-if-xconn)# xconnect.cfm
              !
            !
          !
        !
      !
      pw-class|Pseudowire class|||
        word|Pseudowire class name|||
          <cr>||||@(config-if-xconn)# xconnect.cfm
          !
        !
      !
    !
  !
!
zone-member|Apply zone name|k||
  security|Security zone|k/o/n||
    word|Security zone name|||
      <cr>||||
      !
    !
  !
  word|Zone name|k/o/n||
    <cr>||||
    !
  !
!
