// Shared: a static route after its forwarding interface: a next hop
// address may follow, then the options in any order.
<cr>||||
!
a.b.c.d|Forwarding router's address|k/o/n||&ip_route_opt.cfm
!
<1-255>|Distance metric for this route|ob/oe||
  <cr>||||
  !
!
name|Specify name of the next hop|ob||
  word|Name of the next hop|oe||
    <cr>||||
    !
  !
!
tag|Set tag for this route|ob||
  <1-4294967295>|Tag value|oe||
    <cr>||||
    !
  !
!
permanent|permanent route|ob/oe||
  <cr>||||
  !
!
track|Install route depending on tracked item|ob||
  <1-1000>|tracked object number|oe||
    <cr>||||
    !
  !
!
