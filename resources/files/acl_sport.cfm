// Shared: an optional source port, then the destination address.
#|Source port operator|k/n||
  eq|Match only packets on a given port number||
  gt|Match only packets with a greater port number||
  lt|Match only packets with a lower port number||
  neq|Match only packets not on a given port number||
#|||
  &ports.cfm|Port number or name|k/lb/le/wa/n||&acl_dst.cfm
  !
!
range|Match only packets in the range of port numbers|k/n||
  &ports.cfm|Lowest port number|k/n||
    &ports.cfm|Highest port number|k/n||&acl_dst.cfm
    !
  !
!
portgroup|Source port object group|k/n||
  word|Port object group name|k/n||&acl_dst.cfm
  !
!
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
