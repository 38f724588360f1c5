// Shared: the filters of MSDP SA messages, in any order.
<cr>||||
!
list|Filter by an extended access list|ob||
  word|Access list name or number|oe||
    <cr>||||
    !
  !
!
route-map|Filter by a route map|ob||
  word|Route map name|oe||
    <cr>||||
    !
  !
!
rp-list|Filter by the RP address with an access list|ob||
  word|Access list name or number|oe||
    <cr>||||
    !
  !
!
rp-route-map|Filter by the RP address with a route map|ob||
  word|Route map name|oe||
    <cr>||||
    !
  !
!
