// Shared: the options of a static NAT translation, in any order.
// A VRF or a route map makes another translation: their values are keys.
<cr>||||
!
extendable|Extend this translation when used|ob/oe||
  <cr>||||
  !
!
no-alias|Do not create an alias for the global address|ob/oe||
  <cr>||||
  !
!
no-payload|No translation of embedded address/port in the payload|ob/oe||
  <cr>||||
  !
!
add-route|Add a static route for outside local address|ob/oe||
  <cr>||||
  !
!
match-in-vrf|Match incoming vrf|ob/oe||
  <cr>||||
  !
!
route-map|Specify route-map|ob||
  word|Route-map name|k/oe||
    <cr>||||
    !
  !
!
vrf|Specify vrf|ob||
  word|VPN Routing/Forwarding instance name|k/oe||
    <cr>||||
    !
  !
!
redundancy|NAT redundancy operation|ob||
  word|Redundancy group name or number|oe||
    <cr>||||
    !
    mapping-id|Stateful NAT mapping id|||
      <1-2147483647>|Mapping id|oe||
        <cr>||||
        !
      !
    !
  !
!
