// OSPFv3 address family mode "(config-router-af)#" ("address-family ipv6
// unicast" or "address-family ipv4 unicast" under "router ospfv3").  The
// settings are those of the process, per address family; "summary-prefix"
// and an IPv6 "area range" take IPv6 prefixes.
exit-address-family|Exit from Address Family configuration mode|k||
  <cr>||||
  !
!
area|OSPF area parameters|k||
  #|OSPF area ID|k||
    <0-4294967295>|OSPF area ID as a decimal value||
    a.b.c.d|OSPF area ID in IP address format||
  #|||
    authentication|Enable authentication|k/o/n||
      <cr>||||
      !
      message-digest|Use message-digest authentication|||
        <cr>||||
        !
      !
    !
    default-cost|Set the summary default-cost of a NSSA/stub area|k/o/n||
      <0-16777215>|Stub's advertised external route metric|||
        <cr>||||
        !
      !
    !
    nssa|Specify a NSSA area|k/o/n||&ospf_nssa_opt.cfm
    !
    stub|Specify a stub area|k/o/n||
      <cr>||||
      !
      no-summary|Do not send summary LSA into stub area|||
        <cr>||||
        !
      !
    !
    range|Summarize routes matching address/mask (border routers only)|k||
      word|IPv6 prefix x:x::y/<z>|k/o/n||
        <cr>||||
        !
        #|advertisement|||
          advertise|Advertise this range (default)||
          not-advertise|DoNotAdvertise this range||
        #|||
          <cr>||||
          !
          cost|User specified metric for this range|||
            <0-16777215>|Advertised metric for this range|||
              <cr>||||
              !
            !
          !
        !
        cost|User specified metric for this range|||
          <0-16777215>|Advertised metric for this range|||
            <cr>||||
            !
          !
        !
      !
    !
    virtual-link|Define a virtual link and its parameters|k||
      a.b.c.d|ID (IP addr) associated with virtual link neighbor|k/o/n||&ospf_vlink_opt.cfm
      !
    !
    filter-list|Filter networks between OSPF areas|k||
      prefix|Filter prefixes between OSPF areas|k||
        word|Name of an IP prefix-list|k||
          #|direction|k/o/n||
            in|Filter networks sent to this area||
            out|Filter networks sent from this area||
          #|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
auto-cost|Calculate OSPF interface cost according to bandwidth|k/o/sb||
  <cr>||||
  !
  reference-bandwidth|Use reference bandwidth method to assign OSPF cost|||
    <1-4294967>|The reference bandwidth in terms of Mbits per second|||
      <cr>||||
      !
    !
  !
!
bfd|BFD configuration commands|k||
  all-interfaces|Enable BFD on all interfaces|k/o/sb||
    <cr>||||
    !
  !
!
default-information|Control distribution of default information|k||
  originate|Distribute a default route|k/o/n||&ospf_default_opt.cfm
  !
!
default-metric|Set metric of redistributed routes|k/o/n||
  <1-16777214>|Default metric|||
    <cr>||||
    !
  !
!
distance|Define an administrative distance|k||
  <1-255>|Administrative distance|k/o/n||
    <cr>||||
    !
    a.b.c.d|IP Source address|k/n||
      a.b.c.d|Wildcard bits|k/n||
        <cr>||||
        !
        #|access list|k/n||
          <1-99>|IP Standard access list number||
          <1300-1999>|IP Standard expanded access list number||
          word|Standard access-list name||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
  ospf|OSPF distance|k/o/n||&ospf_distance_opt.cfm
  !
!
distribute-list|Filter networks in routing updates|k||&distribute_list.cfm
!
log-adjacency-changes|Log changes in adjacency state|k/o/sb||
  <cr>||||
  !
  detail|Log all state changes|||
    <cr>||||
    !
  !
!
maximum-paths|Forward packets over multiple paths|k/o/n||
  <1-32>|Number of paths|||
    <cr>||||
    !
  !
!
passive-interface|Suppress routing updates on an interface|k||
  default|Suppress routing updates on all interfaces|k/o/sb||
    <cr>||||
    !
  !
  &interfacefile.cfm|Interface type|k||
    <slot/port>|interface number|k/n/sb/o||
      <cr>||||
      !
    !
  !
!
redistribute|Redistribute information from another routing protocol|k||&redistribute.cfm
!
router-id|router-id for this OSPF process|k/o/n||
  a.b.c.d|OSPF router-id in IP address format|||
    <cr>||||
    !
  !
!
summary-prefix|Configure IPv6 summary prefix|k||
  word|IPv6 prefix x:x::y/<z>|k/o/n||
    <cr>||||
    !
    not-advertise|Suppress routes that match the prefix|||
      <cr>||||
      !
    !
    tag|Set tag|||
      <0-4294967295>|32-bit tag value|||
        <cr>||||
        !
      !
    !
  !
!
timers|Adjust routing timers|k||
  throttle|OSPF throttle timers|k||
    spf|OSPF SPF throttle timers|k/o/n||
      <1-600000>|Delay between receiving a change to SPF calculation in milliseconds|||
        <1-600000>|Delay between first and second SPF calculation in milliseconds|||
          <1-600000>|Maximum wait time in milliseconds for SPF calculations|||
            <cr>||||
            !
          !
        !
      !
    !
    lsa|OSPF LSA throttle timers|k/o/n||
      all|For all type of OSPF LSAs|||
        <0-600000>|Delay to generate first occurrence of LSA in milliseconds|||
          <1-600000>|Minimum delay between originating the same LSA in milliseconds|||
            <1-600000>|Maximum delay between originating the same LSA in milliseconds|||
              <cr>||||
              !
            !
          !
        !
      !
      <0-600000>|Delay to generate first occurrence of LSA in milliseconds|||
        <1-600000>|Minimum delay between originating the same LSA in milliseconds|||
          <1-600000>|Maximum delay between originating the same LSA in milliseconds|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  pacing|OSPF pacing timers|k||
    flood|OSPF flood pacing timer|k/o/n||
      <5-100>|The minimum interval in msec to pace limit flooding on interface|||
        <cr>||||
        !
      !
    !
    lsa-group|OSPF LSA group pacing timer|k/o/n||
      <10-1800>|Interval in sec between group of LSA being refreshed or maxaged|||
        <cr>||||
        !
      !
    !
    retransmission|OSPF retransmission pacing timer|k/o/n||
      <5-200>|The minimum interval in msec between neighbor retransmissions|||
        <cr>||||
        !
      !
    !
  !
  lsa|OSPF LSA timers|k||
    arrival|OSPF LSA arrival timer|k/o/n||
      <0-600000>|The minimum interval in milliseconds between accepting the same LSA|||
        <cr>||||
        !
      !
    !
  !
  spf|OSPF SPF timers|k/o/n||
    <0-65535>|Delay between receiving a change to SPF calculation|||
      <0-65535>|Hold time between consecutive SPF calculations|||
        <cr>||||
        !
      !
    !
  !
!
