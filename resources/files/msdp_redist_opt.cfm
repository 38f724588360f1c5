// Shared: the filters of the sources MSDP advertises, in any order.
<cr>||||
!
list|Filter sources by an extended access list|ob||
  word|Access list name or number|oe||
    <cr>||||
    !
  !
!
asn|Filter sources by an AS-path access list|ob||
  <0-500>|AS-path access list number|oe||
    <cr>||||
    !
  !
!
route-map|Filter sources by a route map|ob||
  word|Route map name|oe||
    <cr>||||
    !
  !
!
