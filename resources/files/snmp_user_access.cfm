// The access list that ends an "snmp-server user" line.
<cr>||||
!
access|Specify an access-list associated with this user|||
  #|access list|||
    <1-99>|Std IP accesslist allowing access with this user||
    word|Access-list name||
  #|||
    <cr>||||
    !
  !
!
