// "eigrp stub": the route kinds to advertise, in any order.
<cr>||||
!
connected|Do advertise connected routes|ob/oe||
  <cr>||||
  !
!
summary|Do advertise summary routes|ob/oe||
  <cr>||||
  !
!
static|Do advertise static routes|ob/oe||
  <cr>||||
  !
!
redistributed|Do advertise redistributed routes|ob/oe||
  <cr>||||
  !
!
receive-only|Set IP-EIGRP as receive only neighbor|ob/oe||
  <cr>||||
  !
!
leak-map|Allow dynamic prefixes based on the leak-map|ob||
  word|leak-map name|oe||
    <cr>||||
    !
  !
!
