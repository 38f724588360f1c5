// Shared: the options of an MSDP peer, in any order.
<cr>||||
!
connect-source|Interface whose address is the TCP source|ob||
  &interfacefile.cfm|Interface type|||
    <slot/port>|Interface number|oe||
      <cr>||||
      !
    !
  !
!
remote-as|Autonomous system of the peer|ob||
  <1-4294967295>|Autonomous system number|oe||
    <cr>||||
    !
  !
!
