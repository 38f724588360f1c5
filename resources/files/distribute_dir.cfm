// The direction of a distribute-list.
in|Filter incoming routing updates|k/o/n||
  <cr>||||
  !
  &interfacefile.cfm|Interface type|k||
    <slot/port>|Interface number|k/o/n||
      <cr>||||
      !
    !
  !
!
out|Filter outgoing routing updates|k/o/n||
  <cr>||||
  !
  &interfacefile.cfm|Interface type|k||
    <slot/port>|Interface number|k/o/n||
      <cr>||||
      !
    !
  !
  #|protocol|k/o/n||
    bgp|Border Gateway Protocol (BGP)||
    connected|Connected||
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)||
    ospf|Open Shortest Path First (OSPF)||
    rip|Routing Information Protocol (RIP)||
    static|Static routes||
  #|||
    <cr>||||
    !
    <1-4294967295>|Process or AS number|||
      <cr>||||
      !
    !
  !
!
