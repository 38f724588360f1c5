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
    #|timer|k/o/n||
      reauthenticate|Time in seconds after which an automatic re-authentication should be initiated||
      restart|Time in seconds after which an attempt is made to authenticate an unauthorized port||
      inactivity|Interval in seconds after which if there is no activity from the client then it will be unauthorized||
    #|||
      line|seconds or server|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  order|Add an ordered list of methods to be applied|k/o/n||
    line|methods|lb/le/wa||
      <cr>||||
      !
    !
  !
  priority|Add a prioritized list of methods|k/o/n||
    line|methods|lb/le/wa||
      <cr>||||
      !
    !
  !
  event|Set action for authentication events|k||
    line|event and action|lb/le/wa/k/n||
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
    line|interval, min_rx and multiplier|lb/le/wa||
      <cr>||||
      !
    !
  !
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
bgp-policy|Apply policy propagated by bgp community string|k||
  #|policy|k||
    accounting|bgp based policy accounting of traffic||
    destination|use destination IP address for route lookup||
    source|use source IP address for route lookup||
  #|||
    <cr>||sb||
    !
    line|options|lb/le/wa/k/sb/o||
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
    spanning-disabled|Disable spanning tree on this interface|k||
      line|interface|lb/le/wa/o/n||
        <cr>||||
        !
      !
    !
    spanning-disabledinterface|Disable spanning tree on this interface|k||
      line|interface|lb/le/wa/o/n||
        <cr>||||
        !
      !
    !
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
!
channel|Radio channel|k/o/n||
  <1-4096>|Channel number|||
    <cr>||||
    !
  !
  width|Channel width|k/o/n||
    <20-160>|Channel width in MHz|||
      <cr>||||
      !
    !
  !
  line|channel settings|lb/le/wa||
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
clns|CLNS interface subcommands|k||
  route-cache|Enable fast switching through the cache|k/o/sb||
    <cr>||||
    !
  !
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
crypto|Encryption/Decryption commands|k||
  map|Assign a Crypto Map|k/o/n||
    word|Crypto Map tag|||
      <cr>||||
      !
      redundancy|Enable redundancy|||
        line|settings|lb/le/wa||
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
    line|pool number and options|lb/le/wa||
      <cr>||||
      !
    !
  !
!
dialer-group|Assign interface to dialer-list|k/o/n||
  <1-10>|Dialer list number|||
    <cr>||||
    !
  !
!
disable|Disable the interface|k/o/sb||
  <cr>||||
  !
!
dot1q|dot1q interface configuration commands|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
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
    line|value|lb/le/wa||
      <cr>||||
      !
    !
  !
  host-mode|Set the Host mode|k/o/n||
    line|mode|lb/le/wa||
      <cr>||||
      !
    !
  !
!
dsl|DSL settings|k||
  operating-mode|DSL operating mode|k/o/n||
    line|mode|lb/le/wa||
      <cr>||||
      !
    !
  !
  line|settings|lb/le/wa/k/n||
    <cr>||||
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
        line|inner VLAN IDs|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  #|encapsulation|||
    aal5snap|AAL5+LLC/SNAP Encapsulation||
    arpa|Ethernet ARPA||
    default|Default encapsulation||
    frame-relay|Frame Relay networks||
    hdlc|Serial HDLC synchronous||
    mpls|MPLS encapsulation||
    ppp|Point-to-Point protocol||
    untagged|Untagged encapsulation||
  #|||
    <cr>||||
    !
    line|options|lb/le/wa||
      <cr>||||
      !
    !
  !
!
encryption|Encryption settings|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
ethernet|Ethernet interface settings|k||
  oam|Ethernet OAM|k||
    <cr>||||
    !
    #|parameter|k/o/n||
      max-rate|Maximum OAM PDUs per second||
      min-rate|Minimum OAM PDU rate||
      mode|OAM mode||
      timeout|Timeout||
    #|||
      line|value|lb/le/wa||
        <cr>||||
        !
      !
    !
    remote-loopback|Remote loopback|k||
      line|settings|lb/le/wa/o/n||
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
    line|settings|lb/le/wa/k/n||
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
gig-default|Gigabit default settings|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
h323-gateway|H.323 gateway settings|k||
  line|settings|lb/le/wa/k/sb/o||
    <cr>||||
    !
  !
!
hardware|Hardware settings|k||
  #|feature|k||
    multicast|Multicast hardware settings||
    vethernet|Virtual ethernet hardware settings||
  #|||
    line|settings|lb/le/wa/k/sb/o||
      <cr>||||
      !
    !
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
ip|Interface Internet Protocol config commands|k||
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
      line|client-id, hostname|lb/le/wa||
        <cr>||||
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
        line|rate|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  authentication|authentication subcommands|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
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
          policy|Define reforwarding policy||
        #|||
          <cr>||||
          !
        !
      !
      subnet-broadcast|Enable subnet broadcast|k/sb/o||
        <cr>||||
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
      line|settings|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
  !
  directed-broadcast|Enable forwarding of directed broadcasts|k/o/sb||
    <cr>||||
    !
    line|access list|lb/le/wa||
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
  flowspec|Flowspec settings|k||
    <cr>||||
    !
    line|settings|lb/le/wa/k/sb/o||
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
    #|IGMP parameter|k/o/n||
      access-group|IGMP group access group||
      group-timeout|IGMP group timeout||
      last-member-query-count|IGMP last member query count||
      last-member-query-interval|IGMP last member query interval||
      last-member-query-response-time|IGMP last member query response time||
      query-interval|IGMP host query interval||
      query-max-response-time|IGMP max query response value||
      query-timeout|IGMP previous querier timeout||
      robustness-variable|IGMP robustness variable||
      v3-query-max-response-time|IGMPv3 max query response value||
      version|IGMP version||
      limit|IGMP limit||
    #|||
      line|value|lb/le/wa||
        <cr>||||
        !
      !
    !
    host-proxy|IGMP host proxy|k/o/n||
      <cr>||||
      !
      line|options|lb/le/wa||
        <cr>||||
        !
      !
    !
    join-group|IGMP join multicast group|k||
      a.b.c.d|IP group address|k/n||
        <cr>||||
        !
        line|source and options|lb/le/wa/n||
          <cr>||||
          !
        !
      !
    !
    static-group|IGMP static multicast group|k||
      line|group and options|lb/le/wa/k/n||
        <cr>||||
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
      line|settings|lb/le/wa/k/n||
        <cr>||||
        !
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
        line|options|lb/le/wa||
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
    #|parameter|k||
      map|Map dest IP addresses to NBMA addresses||
      network-id|NBMA network identifier||
      nhs|Specify a next hop server||
      authentication|Authentication string||
      holdtime|Advertised holdtime||
      registration|Registration options||
      redirect|Enable NHRP redirect||
      shortcut|Enable shortcut switching||
    #|||
      line|values|lb/le/wa/k/n||
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
    network|Network type|k/o/n||
      #|network type|||
        broadcast|Specify OSPF broadcast multi-access network||
        non-broadcast|Specify OSPF NBMA network||
        point-to-multipoint|Specify OSPF point-to-multipoint network||
        point-to-point|Specify OSPF point-to-point network||
      #|||
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
    !
    shutdown|Shut down the interface in OSPF|k/o/sb||
      <cr>||||
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
    #|PIM parameter|k/o/n||
      bsr-border|Border of PIM domain||
      dr-priority|PIM router DR priority||
      hello-interval|PIM hello interval||
      join-prune-interval|PIM join-prune interval||
      neighbor-filter|PIM peering filter||
      query-interval|PIM router query interval||
    #|||
      line|value|lb/le/wa||
        <cr>||||
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
    line|settings|lb/le/wa/k/n||
      <cr>||||
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
      line|options|lb/le/wa||
        <cr>||||
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
            line|administrative distance or leak-map|lb/le/wa||
              <cr>||||
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
    line|settings|lb/le/wa/k/o/n||
      <cr>||||
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
      line|source reachable-via rx or any, and options|lb/le/wa/o/n||
        <cr>||||
        !
      !
    !
    source|Verify source address|k||
      line|options|lb/le/wa/k/sb/o||
        <cr>||||
        !
      !
    !
  !
  virtual-reassembly|Virtual Reassembly|k/o/sb||
    <cr>||||
    !
    line|options|lb/le/wa||
      <cr>||||
      !
    !
  !
  virtual-reassembly-out|Virtual Reassembly out|k/o/sb||
    <cr>||||
    !
    line|options|lb/le/wa||
      <cr>||||
      !
    !
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
    #|parameter|k/o/n||
      autoclassify|Autoclassify||
      receive|Receive VRF||
      select|Select VRF||
      sitemap|Site map||
    #|||
      line|value|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  wccp|WCCP interface commands|k||
    line|service and direction|lb/le/wa/k/n||
      <cr>||||
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
        line|options|lb/le/wa||
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
    <cr>||||
    !
    #|parameter|k/o/sb||
      dad|Duplicate Address Detection||
      ns-interval|Set advertised NS retransmission interval||
      nud|Neighbor unreachability detection||
      prefix|Configure IPv6 Routing Prefix Advertisement||
      reachable-time|Set advertised reachability time||
      managed-config-flag|Hosts should use DHCP for address config||
      other-config-flag|Hosts should use DHCP for non-address config||
    #|||
      <cr>||||
      !
      line|value|lb/le/wa||
        <cr>||||
        !
      !
    !
    ra|Router Advertisement control|k||
      line|parameter and value|lb/le/wa/k/o/sb||
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
        !
      !
    !
    line|parameter and value|lb/le/wa/k/n||
      <cr>||||
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
  router|IPv6 Router interface commands|k||
    isis|IS-IS Routing for IPv6|k/o/n||
      <cr>||||
      !
      word|Routing process tag|||
        <cr>||||
        !
      !
    !
    line|protocol|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  flowspec|Flowspec settings|k||
    <cr>||||
    !
    line|settings|lb/le/wa/k/sb/o||
      <cr>||||
      !
    !
  !
!
isis|IS-IS commands|k||
  #|parameter|k/o/n||
    metric|Configure the metric for interface||
    network|Network type||
    circuit-type|Configure circuit type for interface||
    priority|Set priority for Designated Router election||
    password|Configure the authentication password for interface||
    hello-interval|Set Hello interval in seconds||
  #|||
    line|value|lb/le/wa||
      <cr>||||
      !
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
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
l2transport|Layer 2 transport|k||
  <cr>||||@(config-if-l2)# l2transport.cfm
  !
!
lacp|LACP interface subcommands|k||
  #|parameter|k/o/sb||
    fast-select-hot-standby|Fast select hot standby ports||
    graceful-convergence|Graceful convergence||
    suspend-individual|Suspend individual ports||
    rate|LACP rate||
    port-priority|LACP priority on this interface||
    max-bundle|Maximum number of links in a bundle||
    min-links|Minimum number of links in a bundle||
  #|||
    <cr>||||
    !
    line|value|lb/le/wa||
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
    #|event type|k||
      link-status|UPDOWN and CHANGE messages||
      port|Port events||
      subif-link-status|Sub-interface UPDOWN and CHANGE messages||
      trunk-status|TRUNK status messages||
      bundle-status|BUNDLE/UNBUNDLE messages||
      spanning-tree|Spanning-tree Interface events||
      power-inline-status|Inline power messages||
    #|||
      <cr>||sb/o||
      !
      line|event|lb/le/wa/k/o/sb||
        <cr>||||
        !
      !
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
  #|setting|k/o/sb||
    default-policy|Use the default MKA policy||
    pre-shared-key|Use a pre-shared key||
    policy|MKA policy||
  #|||
    <cr>||||
    !
    line|value|lb/le/wa||
      <cr>||||
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
  !
  mldp|Multipoint LDP|k/o/sb||
    <cr>||||
    !
  !
  label|Label settings|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  traffic-eng|Traffic engineering|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
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
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
ntp|Configure NTP|k||
  #|NTP interface setting|k/o/n||
    broadcast|Configure NTP broadcast service||
    multicast|Configure NTP multicast service||
  #|||
    line|options|lb/le/wa||
      <cr>||||
      !
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
  line|parameter and value|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
ospfv3|OSPFv3 settings|k||
  network|Network type|k/o/n||
    line|network type|lb/le/wa||
      <cr>||||
      !
    !
  !
  passive-interface|Suppress routing updates|k/o/sb||
    <cr>||||
    !
  !
  line|parameter and value|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
packet|Packet settings|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
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
      line|trust state|lb/le/wa||
        <cr>||||
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
  line|settings|lb/le/wa/k/sb/o||
    <cr>||||
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
ppp|Point-to-Point Protocol|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
priority-flow-control|Priority flow control|k||
  mode|Mode|k/o/n||
    line|mode|lb/le/wa||
      <cr>||||
      !
    !
  !
!
private-vlan|Private VLAN|k||
  mapping|Map primary VLAN to secondary VLANs|k/o/n||
    #|change|||
      add|Add secondary VLANs||
      remove|Remove secondary VLANs||
    #|||
      line|VLANs|lb/le/wa||
        <cr>||||
        !
      !
    !
    line|VLANs|lb/le/wa||
      <cr>||||
      !
    !
  !
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
pvc|Configure an ATM PVC|k||
  word|VPI/VCI numbers|k/n||
    <cr>||||@(config-if-atm-vc)# pvc.cfm
    !
    line|options|lb/le/wa||
      <cr>||||@(config-if-atm-vc)# pvc.cfm
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
      line|settings|lb/le/wa/o/n||
        <cr>||||
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
  line|settings|lb/le/wa/k/n||
    <cr>||||
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
    line|type, direction and policy map|lb/le/wa/k/o/n||
      <cr>||||
      !
    !
  !
!
shape|Traffic shaping|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
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
snmp|Modify SNMP interface parameters|k||
  trap|Allow a specific SNMP trap|k||
    link-status|Allow SNMP LINKUP and LINKDOWN traps|k/o/sb||
      <cr>||||
      !
      line|options|lb/le/wa||
        <cr>||||
        !
      !
    !
    line|trap|lb/le/wa/k/sb/o||
      <cr>||||
      !
    !
  !
  ifindex|Ifindex settings|k||
    line|settings|lb/le/wa/k/o/n||
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
    word|MST instance list|k||
      #|parameter|k/o/n||
        cost|Change the interface spanning tree path cost for an instance||
        port-priority|Change the spanning tree port priority for an instance||
      #|||
        <0-200000000>|value|||
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
      line|port type|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  port-priority|Change an interface's spanning tree port priority|k/o/n||
    <0-240>|port priority in increments of 32|||
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
    word|VLAN list|k||
      #|parameter|k/o/n||
        cost|Change an interface's per VLAN spanning tree path cost||
        port-priority|Change an interface's spanning tree port priority||
      #|||
        <0-200000000>|value|||
          <cr>||||
          !
        !
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
    auto|Enable AUTO speed configuration||
    nonegotiate|Do not negotiate speed||
  #|||
    <cr>||||
    !
    line|speeds|lb/le/wa||
      <cr>||||
      !
    !
  !
  line|rate list (radio interfaces)|lb/le/wa||
    <cr>||||
    !
  !
!
ssid|Wireless SSID|k/o/n||
  word|SSID|||
    <cr>||||
    !
  !
!
standby|HSRP interface configuration commands|k||
  <0-4095>|group number|k||
    ip|Enable HSRP and set the virtual IP address|k/o/n||
      <cr>||||
      !
      a.b.c.d|Virtual IP address|||
        <cr>||||
        !
        secondary|Make this IP address a secondary virtual IP address|k/a||
          <cr>||||
          !
        !
      !
    !
    priority|Priority level|k/o/n||
      <0-255>|Priority value|||
        <cr>||||
        !
      !
    !
    preempt|Overthrow lower priority Active routers|k/o/sb||
      <cr>||||
      !
      line|delay options|lb/le/wa||
        <cr>||||
        !
      !
    !
    timers|Hello and hold timers|k/o/n||
      line|hello and hold time|lb/le/wa||
        <cr>||||
        !
      !
    !
    authentication|Authentication|k/o/n||
      line|authentication string|lb/le/wa||
        <cr>||||
        !
      !
    !
    track|Priority tracking|k||
      <1-1000>|Tracked object number|k/o/n||
        <cr>||||
        !
        line|decrement or shutdown|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    name|Redundancy name string|k/o/n||
      word|name string|||
        <cr>||||
        !
      !
    !
  !
  version|HSRP version|k/o/n||
    <1-2>|Version|||
      <cr>||||
      !
    !
  !
  #|group setting|k/o/n||
    ip|Enable HSRP and set the virtual IP address||
    priority|Priority level||
    preempt|Overthrow lower priority Active routers||
  #|||
    line|value|lb/le/wa||
      <cr>||||
      !
    !
  !
!
station-role|Station role|k/o/n||
  line|role|lb/le/wa||
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
      line|level|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  action|Action to take for storm-control|k/o/n||
    line|action|lb/le/wa||
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
    !
  !
  mode|Set trunking mode of the interface|k/o/n||
    #|mode|||
      access|Set trunking mode to ACCESS unconditionally||
      dot1q-tunnel|set trunking mode to TUNNEL unconditionally||
      dynamic|Set trunking mode to dynamically negotiate access or trunk mode||
      private-vlan|Set private-vlan mode||
      trunk|Set trunking mode to TRUNK unconditionally||
    #|||
      <cr>||||
      !
      line|mode options|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  trunk|Set trunking characteristics of the interface|k||
    allowed|Set allowed VLAN characteristics when interface is in trunking mode|k||
      vlan|Set allowed VLANs when interface is in trunking mode|k/o/n||
        #|list change|||
          add|add VLANs to the current list||
          all|all VLANs||
          except|all VLANs except the following||
          none|no VLANs||
          remove|remove VLANs from the current list||
        #|||
          <cr>||||
          !
          word|VLAN IDs|||
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
        word|VLAN IDs|||
          <cr>||||
          !
        !
        #|list change|||
          add|add VLANs to the current list||
          except|all VLANs except the following||
          none|no VLANs||
          remove|remove VLANs from the current list||
        #|||
          word|VLAN IDs|||
            <cr>||||
            !
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
  port-security|Security related command|k||
    <cr>||||
    !
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  voice|Voice appliance attributes|k||
    vlan|VLAN for voice traffic|k/o/n||
      line|VLAN|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  backup|Set backup for the interface|k||
    interface|Specify an interface|k/o/n||
      word|Interface name|||
        <cr>||||
        !
        line|preemption settings|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  #|setting|k/o/sb||
    block|Disable forwarding of unknown uni/multi cast addresses||
    capture|Capture||
    dot1q|802.1q||
    monitor|Monitor||
    priority|Priority||
    protected|Configure an interface to be a protected port||
  #|||
    <cr>||||
    !
    line|options|lb/le/wa||
      <cr>||||
      !
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
    line|transceiver types|lb/le/wa||
      <cr>||||
      !
    !
  !
!
transport-mode|Transport mode|k/o/n||
  line|mode|lb/le/wa||
    <cr>||||
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
    line|encapsulation (gre ip, gre multipoint, ipsec ipv4, ipv6ip ...)|lb/le/wa||
      <cr>||||
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
    line|options|lb/le/wa||
      <cr>||||
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
  line|other tunnel settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
tx-queue|Transmit queue|k||
  <0-7>|Queue number|k/n||
    <cr>||||@(config-if-tx-queue)# tx_queue.cfm
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
    #|parameter|k/o/n||
      ip|Enable Virtual Router Redundancy Protocol (VRRP) for IP||
      priority|Priority of this VRRP group||
      preempt|Enable preemption of lower priority Master||
      timers|Set the VRRP timers||
      description|Group specific description||
      authentication|Authentication||
      track|Event Tracking||
    #|||
      <cr>||||
      !
      line|value|lb/le/wa||
        <cr>||||
        !
      !
    !
    address-family|VRRP address family|k||
      line|address family|lb/le/wa/k/n||
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
    <cr>||||@(config-if-xconn)# xconnect.cfm
    !
    <1-4294967295>|Enter a 32-bit VC ID in decimal|||
      <cr>||||@(config-if-xconn)# xconnect.cfm
      !
      line|encapsulation and options|lb/le/wa||
        <cr>||||@(config-if-xconn)# xconnect.cfm
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
