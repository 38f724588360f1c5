// Shared: "redistribute" of every routing protocol.  The source protocol
// (and its process) is the key; the options that follow replace the old ones.
#|Source protocol|k/o/n||&redist_opt.cfm
  connected|Connected||
  static|Static routes||
  rip|Routing Information Protocol (RIP)||
  isis|ISO IS-IS||
  lisp|Locator ID Separation Protocol (LISP)||
  mobile|Mobile routes||
  odr|On Demand stub Routes||
  application|Application||
#|||
!
#|Source protocol with a process|k||
  ospf|Open Shortest Path First (OSPF)||
  eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)||
  bgp|Border Gateway Protocol (BGP)||
  ospfv3|OSPFv3||
#|||
  word|Process ID or autonomous system number|k/o/n||&redist_opt.cfm
  !
!
