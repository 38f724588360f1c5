// Shared: "redistribute" of every routing protocol.  The source protocol
// (and its process) is the key; the options that follow replace the old ones.
#|Source protocol|k/o/n||&redist_opt.cfm
  connected|Connected||
  static|Static routes||
  rip|Routing Information Protocol (RIP)||
  lisp|Locator ID Separation Protocol (LISP)||
  mobile|Mobile routes||
  odr|On Demand stub Routes||
  application|Application||
#|||
!
isis|ISO IS-IS|k/o/n||&redist_opt.cfm
  word|ISO routing area tag|k/o/n||&redist_opt.cfm
  !
!
#|Source protocol with a process|k||
  ospf|Open Shortest Path First (OSPF)||
  eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)||
  ospfv3|OSPFv3||
#|||
  <1-65535>|Process ID or autonomous system number|k/o/n||&redist_opt.cfm
  !
!
bgp|Border Gateway Protocol (BGP)|k||
  <1-4294967295>|Autonomous system number|k/o/n||&redist_opt.cfm
  !
  <1.0-65535.65535>|Autonomous system number in asdot notation|k/o/n||&redist_opt.cfm
  !
!
