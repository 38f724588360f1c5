// Shared: source address of an extended access list entry (no ports).
any|Any source host|k/n||&acl_dst.cfm
!
host|A single source host|k/n||
  a.b.c.d|Source address|k/n||&acl_dst.cfm
  !
!
a.b.c.d|Source address|k/n||
  a.b.c.d|Source wildcard bits|k/n||&acl_dst.cfm
  !
!
a.b.c.d/<1-32>|Source prefix|k/n||&acl_dst.cfm
!
object-group|Source network object group|k/n||
  word|Source network object group name|k/n||&acl_dst.cfm
  !
!
addrgroup|Source address group|k/n||
  word|Source address group name|k/n||&acl_dst.cfm
  !
!
