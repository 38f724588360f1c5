// "default-information originate": the options, in any order.
<cr>||||
!
always|Always advertise default route|ob/oe||
  <cr>||||
  !
!
metric|OSPF default metric|ob||
  <0-16777214>|OSPF metric|oe||
    <cr>||||
    !
  !
!
metric-type|OSPF metric type for default routes|ob||
  <1-2>|OSPF Link State type|oe||
    <cr>||||
    !
  !
!
route-map|Route-map reference|ob||
  word|Route map name|oe||
    <cr>||||
    !
  !
!
