// "neighbor ADDRESS" of OSPF: the options, in any order.
<cr>||||
!
priority|OSPF priority of non-broadcast neighbor|ob||
  <0-255>|Priority|oe||
    <cr>||||
    !
  !
!
poll-interval|OSPF dead-router polling interval|ob||
  <0-4294967295>|Seconds|oe||
    <cr>||||
    !
  !
!
cost|OSPF cost for point-to-multipoint neighbor|ob||
  <1-65535>|metric|oe||
    <cr>||||
    !
  !
!
database-filter|Filter OSPF LSA during synchronization and flooding|ob||
  all|Filter all LSA|||
    out|Outgoing LSA|oe||
      <cr>||||
      !
    !
  !
!
