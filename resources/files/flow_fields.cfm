// Shared: the fields a flow record matches or collects.  Every field line is
// an item of the record: "k" on every node.
ipv4|IPv4 fields|k||
  #|field|k||
    protocol|IPv4 protocol||
    tos|IPv4 type of service||
    dscp|IPv4 DSCP||
    precedence|IPv4 precedence||
    version|IP version||
    id|IPv4 identification||
    header-length|IPv4 header length||
    option|IPv4 options||
  #|||
    <cr>||||
    !
    map|Options bitmap|k||
      <cr>||||
      !
    !
  !
  #|field|k||
    ttl|IPv4 time to live||
    total-length|IPv4 total length||
  #|||
    <cr>||||
    !
    #|statistic|k||
      minimum|Minimum value seen in the flow||
      maximum|Maximum value seen in the flow||
    #|||
      <cr>||||
      !
    !
  !
  fragmentation|IPv4 fragmentation|k||
    #|field|k||
      flags|Fragmentation flags||
      offset|Fragment offset||
    #|||
      <cr>||||
      !
    !
  !
  #|end|k||
    source|IPv4 source fields||
    destination|IPv4 destination fields||
  #|||
    #|field|k||
      address|IPv4 address||
      mask|IPv4 address mask||
      prefix|IPv4 address prefix||
    #|||
      <cr>||||
      !
      minimum-mask|Minimum mask length|k||
        <1-32>|Mask length|k||
          <cr>||||
          !
        !
      !
    !
  !
!
ipv6|IPv6 fields|k||
  #|field|k||
    protocol|IPv6 payload protocol||
    traffic-class|IPv6 traffic class||
    dscp|IPv6 DSCP||
    precedence|IPv6 precedence||
    flow-label|IPv6 flow label||
    next-header|IPv6 next header||
    version|IP version||
    payload-length|IPv6 payload length||
  #|||
    <cr>||||
    !
  !
  #|field|k||
    hop-limit|IPv6 hop limit||
    total-length|IPv6 total length||
  #|||
    <cr>||||
    !
    #|statistic|k||
      minimum|Minimum value seen in the flow||
      maximum|Maximum value seen in the flow||
    #|||
      <cr>||||
      !
    !
  !
  #|end|k||
    source|IPv6 source fields||
    destination|IPv6 destination fields||
  #|||
    #|field|k||
      address|IPv6 address||
      mask|IPv6 address mask||
      prefix|IPv6 address prefix||
    #|||
      <cr>||||
      !
      minimum-mask|Minimum mask length|k||
        <1-128>|Mask length|k||
          <cr>||||
          !
        !
      !
    !
  !
!
transport|Transport layer fields|k||
  #|field|k||
    source-port|Transport source port||
    destination-port|Transport destination port||
  #|||
    <cr>||||
    !
  !
  tcp|TCP fields|k||
    #|field|k||
      source-port|TCP source port||
      destination-port|TCP destination port||
      flags|TCP flags||
      window-size|TCP window size||
      sequence-number|TCP sequence number||
      acknowledgement-number|TCP acknowledgement number||
      urgent-pointer|TCP urgent pointer||
      header-length|TCP header length||
    #|||
      <cr>||||
      !
    !
  !
  udp|UDP fields|k||
    #|field|k||
      source-port|UDP source port||
      destination-port|UDP destination port||
      message-length|UDP message length||
    #|||
      <cr>||||
      !
    !
  !
  icmp|ICMP fields|k||
    #|version|k||
      ipv4|ICMP for IPv4||
      ipv6|ICMP for IPv6||
    #|||
      #|field|k||
        type|ICMP type||
        code|ICMP code||
      #|||
        <cr>||||
        !
      !
    !
  !
  igmp|IGMP fields|k||
    type|IGMP type|k||
      <cr>||||
      !
    !
  !
!
interface|Interface fields|k||
  #|direction|k||
    input|Input interface||
    output|Output interface||
  #|||
    <cr>||||
    !
    #|form|k||
      physical|Physical interface||
      snmp|SNMP index of the interface||
    #|||
      <cr>||||
      !
    !
  !
!
flow|Flow identifying fields|k||
  #|field|k||
    direction|Direction the flow was monitored in||
    sampler|Sampler identifier||
  #|||
    <cr>||||
    !
  !
  observation|Observation point|k||
    point|Observation point identifier|k||
      <cr>||||
      !
    !
  !
!
datalink|Datalink (layer 2) fields|k||
  mac|MAC fields|k||
    #|end|k||
      source|Source MAC address||
      destination|Destination MAC address||
    #|||
      address|MAC address|k||
        #|direction|k||
          input|Address of packets entering the device||
          output|Address of packets leaving the device||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
  #|field|k||
    vlan|VLAN identifier||
    dot1q|IEEE 802.1Q fields||
  #|||
    #|direction|k||
      input|VLAN of packets entering the device||
      output|VLAN of packets leaving the device||
    #|||
      <cr>||||
      !
    !
    vlan|IEEE 802.1Q VLAN|k||
      #|direction|k||
        input|VLAN of packets entering the device||
        output|VLAN of packets leaving the device||
      #|||
        <cr>||||
        !
      !
    !
    priority|IEEE 802.1Q user priority|k||
      <cr>||||
      !
    !
  !
  ethertype|Ethernet type|k||
    <cr>||||
    !
  !
!
routing|Routing attributes|k||
  #|end|k||
    source|Source routing attributes||
    destination|Destination routing attributes||
  #|||
    as|Autonomous system|k||
      <cr>||||
      !
      #|form|k||
        4-octet|4-octet autonomous system number||
        peer|Peer autonomous system||
      #|||
        <cr>||||
        !
      !
    !
    traffic-index|Traffic index|k||
      <cr>||||
      !
    !
  !
  next-hop|Next hop attributes|k||
    address|Next hop address|k||
      #|version|k||
        ipv4|IPv4 next hop||
        ipv6|IPv6 next hop||
      #|||
        <cr>||||
        !
        bgp|BGP next hop|k||
          <cr>||||
          !
        !
      !
    !
  !
  vrf|VRF attributes|k||
    #|direction|k||
      input|VRF of packets entering the device||
      output|VRF of packets leaving the device||
    #|||
      <cr>||||
      !
    !
  !
  #|field|k||
    forwarding-status|Forwarding status||
    is-multicast|Multicast indicator||
  #|||
    <cr>||||
    !
  !
!
application|Application fields|k||
  name|Application name|k||
    <cr>||||
    !
    account-on-resolution|Account only after the application is resolved|k||
      <cr>||||
      !
    !
  !
!
