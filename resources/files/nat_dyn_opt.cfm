// Shared: the options of a dynamic NAT translation, in any order.
// A VRF or a route map makes another translation: their values are keys.
<cr>||||
!
overload|Overload an address translation|ob/oe||
  <cr>||||
  !
!
vrf|Specify vrf|ob||
  word|VPN Routing/Forwarding instance name|k/oe||
    <cr>||||
    !
  !
!
add-route|Add a static route for outside local address|ob/oe||
  <cr>||||
  !
!
reversible|Allow out->in traffic|ob/oe||
  <cr>||||
  !
!
oer|Use with vtemplate only|ob/oe||
  <cr>||||
  !
!
