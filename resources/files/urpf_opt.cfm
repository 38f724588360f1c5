// "ip verify unicast source reachable-via rx or any": options, then an access
// list for the packets that fail the check.
<cr>||||
!
allow-default|Allow default route to match when checking source address|ob/oe||
  <cr>||||
  !
!
allow-self-ping|Allow router to ping itself|ob/oe||
  <cr>||||
  !
!
l2-src|Check source MAC address|ob/oe||
  <cr>||||
  !
!
#|access list|ob/oe||
  <1-199>|A standard or extended IP access list number||
  <1300-2699>|A standard or extended IP expanded access list number||
  word|IP access list name||
#|||
  <cr>||||
  !
!
