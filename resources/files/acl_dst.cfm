// Shared: destination address of an extended access list entry.
any|Any destination host|k/n||&acl_opts.cfm
!
host|A single destination host|k/n||
  a.b.c.d|Destination address|k/n||&acl_opts.cfm
  !
!
a.b.c.d|Destination address|k/n||
  a.b.c.d|Destination wildcard bits|k/n||&acl_opts.cfm
  !
!
a.b.c.d/<1-32>|Destination prefix|k/n||&acl_opts.cfm
!
object-group|Destination network object group|k/n||
  word|Destination network object group name|k/n||&acl_opts.cfm
  !
!
addrgroup|Destination address group|k/n||
  word|Destination address group name|k/n||&acl_opts.cfm
  !
!
