// Shared: the options of a WCCP service, in any order.
<cr>||||
!
service-list|Access list naming the packets that match the service|ob||
  word|Named extended access list|oe||
    <cr>||||
    !
  !
!
mode|Service mode|ob||
  #|mode|oe||
    open|Open service: traffic passes when no cache is available||
    closed|Closed service: traffic is dropped when no cache is available||
  #|||
    <cr>||||
    !
  !
!
group-address|Multicast group address of the service group|ob||
  a.b.c.d|Multicast address|oe||
    <cr>||||
    !
  !
!
redirect-list|Access list of the packets to redirect|ob||
  word|Access list name or number|oe||
    <cr>||||
    !
  !
!
group-list|Access list of the caches allowed to join|ob||
  word|Access list name or number|oe||
    <cr>||||
    !
  !
!
password|Service group password|ob||
  #|encryption|||
    0|The password that follows is unencrypted||
    7|The password that follows is encrypted||
  #|||
    word|Password (at most 7 characters)|oe||
      <cr>||||
      !
    !
  !
  word|Password (at most 7 characters)|oe||
    <cr>||||
    !
  !
!
