// OSPF router configuration mode "(config-router)#".
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
      a.b.c.d|IP address to match|k/n||
        a.b.c.d|IP mask for address|k/o/n||
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
    !
    sham-link|Define a sham link and its parameters|k||
      a.b.c.d|IP addr associated with sham-link source|k||
        a.b.c.d|IP addr associated with sham-link destination|k/o/n||
          <cr>||||
          !
          cost|Associate a cost with the sham-link|||
            <1-65535>|Cost of the sham-link|||
              <cr>||||
              !
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
capability|Enable specific OSPF feature|k||
  #|feature|k/o/sb||
    lls|Link-local Signaling (LLS) support||
    opaque|Opaque LSA||
    transit|Transit Area||
    vrf-lite|Do not perform PE specific checks||
  #|||
    <cr>||||
    !
  !
!
compatible|OSPF compatibility list|k||
  rfc1583|compatible with RFC 1583|k/o/sb||
    <cr>||||
    !
  !
  rfc1587|compatible with RFC 1587|k/o/sb||
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
discard-route|Enable or disable discard-route installation|k/o/sb||
  <cr>||||
  !
  #|route kind|||
    external|Discard route for redistributed summarised routes||
    internal|Discard route for summarised internal routes||
  #|||
    <cr>||||
    !
    <1-255>|Administrative distance|||
      <cr>||||
      !
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
domain-id|OSPF domain-id|k/o/n||
  a.b.c.d|OSPF domain ID in IP address format|||
    <cr>||||
    !
    secondary|Secondary domain ID|||
      <cr>||||
      !
    !
  !
  null|Null domain ID|||
    <cr>||||
    !
  !
  type|OSPF domain ID type|||
    #|type|||
      0005|Type 0x0005||
      0105|Type 0x0105||
      0205|Type 0x0205||
      8005|Type 0x8005||
    #|||
      value|OSPF domain ID value|||
        word|OSPF domain ID value in hex (12 digits)|||
          <cr>||||
          !
        !
      !
    !
  !
!
isolate|Isolate the process (maintenance mode)|k/o/sb||
  <cr>||||
  !
!
ispf|Enable incremental SPF computation|k/o/sb||
  <cr>||||
  !
!
log-adjacency-changes|Log changes in adjacency state|k/o/sb||
  <cr>||||
  !
  detail|Log all state changes|||
    <cr>||||
    !
  !
!
max-lsa|Maximum number of non self-generated LSAs to accept|k/o/n||
  <1-4294967294>|Maximum number of non self-generated LSAs|||&ospf_max_lsa_opt.cfm
  !
!
max-metric|Set maximum metric|k||
  router-lsa|Maximum metric in self-originated router-LSAs|k/o/n||&ospf_max_metric_opt.cfm
  !
!
maximum-paths|Forward packets over multiple paths|k/o/n||
  <1-32>|Number of paths|||
    <cr>||||
    !
  !
!
neighbor|Specify a neighbor router|k||
  a.b.c.d|Neighbor address|k/o/n||&ospf_neighbor_opt.cfm
  !
!
network|Enable routing on an IP network|k||
  a.b.c.d|Network number|k||
    a.b.c.d|OSPF wild card bits|k||
      area|Set the OSPF area ID|k/o/n||
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
nsf|Non-stop forwarding|k/o/sb||
  <cr>||||
  !
  #|flavour|||
    cisco|Cisco Non-stop forwarding||
    ietf|IETF graceful restart||
  #|||
    <cr>||||
    !
    helper|helper support|||
      <cr>||||
      !
      disable|disable helper support|||
        <cr>||||
        !
      !
      strict-lsa-checking|enable helper strict LSA checking|||
        <cr>||||
        !
      !
    !
    enforce|Cancel NSF restart when non-NSF-aware neighbors detected|||
      global|For the whole OSPF process|||
        <cr>||||
        !
      !
    !
    restart-interval|Graceful restart interval|||
      <1-1800>|Seconds|||
        <cr>||||
        !
      !
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
prefix-priority|Specify a prefix priority for faster convergence|k||
  high|Assign high priority to the prefixes|k/o/n||
    route-map|Route-map to match the prefixes|||
      word|Route-map name|||
        <cr>||||
        !
      !
    !
  !
!
prefix-suppression|Enable prefix suppression|k/o/sb||
  <cr>||||
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
summary-address|Configure IP address summaries|k||
  a.b.c.d|IP summary address|k/n||
    a.b.c.d|Summary mask|k/o/n||
      <cr>||||
      !
      not-advertise|Do not advertise when translating OSPF type-7 LSA|||
        <cr>||||
        !
      !
      tag|Set tag|||
        <0-4294967295>|32-bit tag value|||
          <cr>||||
          !
        !
      !
      nssa-only|Limit summary to NSSA areas|||
        <cr>||||
        !
      !
    !
  !
!
shutdown|Shutdown the OSPF protocol under the current instance|k/o/sb||
  <cr>||||
  !
!
ignore|Do not complain about specific event|k||
  lsa|Do not complain upon receiving LSA of the specified type|k||
    mospf|MOSPF Type 6 LSA|k/o/sb||
      <cr>||||
      !
    !
  !
!
mpls|Configure MPLS routing protocol parameters|k||
  ldp|routing protocol commands for MPLS LDP|k||
    sync|Configure LDP-IGP Synchronization|k/o/sb||
      <cr>||||
      !
    !
    autoconfig|Configure LDP automatic configuration|k/o/sb||
      <cr>||||
      !
      area|Configure an OSPF area to run MPLS LDP|||
        <0-4294967295>|OSPF area ID as a decimal value|||
          <cr>||||
          !
        !
        a.b.c.d|OSPF area ID in IP address format|||
          <cr>||||
          !
        !
      !
    !
  !
  traffic-eng|Traffic engineering|k||
    router-id|Traffic engineering router identifier|k/o/n||
      &interfacefile.cfm|Interface type|||
        <slot/port>|Interface number|||
          <cr>||||
          !
        !
      !
    !
    area|Configure an OSPF area to run MPLS traffic engineering|k/o/n||
      <0-4294967295>|OSPF area ID as a decimal value|||
        <cr>||||
        !
      !
      a.b.c.d|OSPF area ID in IP address format|||
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
