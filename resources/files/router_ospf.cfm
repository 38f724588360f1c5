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
    nssa|Specify a NSSA area|k/o/n||
      <cr>||||
      !
      line|options|lb/le/wa||
        <cr>||||
        !
      !
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
    virtual-link|Define a virtual link and its parameters|k||
      a.b.c.d|ID (IP addr) associated with virtual link neighbor|k/o/n||
        <cr>||||
        !
        line|parameters|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    filter-list|Filter networks between OSPF areas|k||
      line|prefix list and direction|lb/le/wa/k/o/n||
        <cr>||||
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
  line|feature|lb/le/wa/k/o/sb||
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
  originate|Distribute a default route|k/o/n||
    <cr>||||
    !
    line|always, metric, metric-type and route-map|lb/le/wa||
      <cr>||||
      !
    !
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
  line|internal or external|lb/le/wa||
    <cr>||||
    !
  !
!
distance|Define an administrative distance|k||
  <1-255>|Administrative distance|k/o/n||
    <cr>||||
    !
    line|source address, wildcard and access list|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  ospf|OSPF distance|k/o/n||
    line|intra-area, inter-area and external distances|lb/le/wa||
      <cr>||||
      !
    !
  !
!
distribute-list|Filter networks in routing updates|k||
  line|list and direction|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
domain-id|OSPF domain-id|k/o/n||
  line|domain id|lb/le/wa||
    <cr>||||
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
  line|limit and options|lb/le/wa||
    <cr>||||
    !
  !
!
max-metric|Set maximum metric|k||
  line|settings|lb/le/wa/k/o/n||
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
neighbor|Specify a neighbor router|k||
  a.b.c.d|Neighbor address|k/o/n||
    <cr>||||
    !
    line|priority, poll-interval and cost|lb/le/wa||
      <cr>||||
      !
    !
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
  line|options|lb/le/wa||
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
      line|not-advertise or tag|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
!
timers|Adjust routing timers|k||
  #|timer|k||
    throttle|OSPF throttle timers||
    pacing|OSPF pacing timers||
    lsa|OSPF LSA timers||
  #|||
    #|what|k/o/n||
      spf|OSPF SPF throttle timers||
      lsa|OSPF LSA throttle timers||
      flood|OSPF flood pacing timer||
      lsa-group|OSPF LSA group pacing timer||
      retransmission|OSPF retransmission pacing timer||
      arrival|OSPF LSA arrival timer||
    #|||
      line|values|lb/le/wa||
        <cr>||||
        !
      !
      <0-600000>|Value|||
        <cr>||||
        !
        line|values|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
!
