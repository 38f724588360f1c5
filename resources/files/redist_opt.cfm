// Shared: the options of "redistribute", in any order.
<cr>||||
!
metric|Metric for redistributed routes|ob||
  &metric.cfm|Default metric, or the EIGRP bandwidth metric in Kbits per second|oe||
    <cr>||||
    !
    <0-4294967295>|EIGRP delay metric, in 10 microsecond units|||
      <0-255>|EIGRP reliability metric where 255 is 100% reliable|||
        <1-255>|EIGRP Effective bandwidth metric (Loading) where 255 is 100% loaded|||
          <1-65535>|EIGRP MTU of the path|oe||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
metric-type|OSPF/IS-IS exterior metric type for redistributed routes|ob||
  #|Metric type|oe||
    1|Set OSPF External Type 1 metrics||
    2|Set OSPF External Type 2 metrics||
    internal|IS-IS internal metric||
    external|IS-IS external metric||
  #|||
    <cr>||||
    !
  !
!
subnets|Consider subnets for redistribution into OSPF|ob/oe||
  <cr>||||
  !
!
route-map|Route map reference|ob||
  word|Pointer to route-map entries|oe||
    <cr>||||
    !
  !
!
tag|Set tag for routes redistributed into OSPF|ob||
  <0-4294967295>|32-bit tag value|oe||
    <cr>||||
    !
  !
!
match|Redistribution of OSPF routes|ob||
  #|Route type|lb/le/wa/oe||
    internal|Redistribute OSPF internal routes||
    external|Redistribute OSPF external routes||
    nssa-external|Redistribute OSPF NSSA external routes||
    1|Type 1 routes||
    2|Type 2 routes||
  #|||
    <cr>||||
    !
  !
!
include-connected|Include connected|ob/oe||
  <cr>||||
  !
!
nssa-only|Limit redistributed routes to NSSA areas|ob/oe||
  <cr>||||
  !
!
level-1|IS-IS level-1 routes only|ob/oe||
  <cr>||||
  !
!
level-1-2|IS-IS level-1 and level-2 routes|ob/oe||
  <cr>||||
  !
!
level-2|IS-IS level-2 routes only|ob/oe||
  <cr>||||
  !
!
