// "snmp-server group NAME MODEL": views, context and access list, any order.
<cr>||||
!
context|Specify a context to associate with the group|ob||
  word|SNMP context name|oe||
    <cr>||||
    !
  !
!
read|Specify a read view for the group|ob||
  word|Read view name|oe||
    <cr>||||
    !
  !
!
write|Specify a write view for the group|ob||
  word|Write view name|oe||
    <cr>||||
    !
  !
!
notify|Specify a notify view for the group|ob||
  word|Notify view name|oe||
    <cr>||||
    !
  !
!
access|Specify an access-list associated with this group|ob||
  #|access list|oe||
    <1-99>|Std IP accesslist allowing access with this group||
    word|Access-list name||
  #|||
    <cr>||||
    !
  !
  ipv6|Specify IPv6 Named Access-List|||
    word|IPv6 Access-list name|oe||
      <cr>||||
      !
    !
  !
!
