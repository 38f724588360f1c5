// The source of a MAC access list entry, then its destination.
any|any source MAC address|k/n||&mac_acl_dst.cfm
!
host|A single source host|k||
  h.h.h|Source MAC address|k/n||&mac_acl_dst.cfm
  !
!
h.h.h|Source MAC address|k||
  h.h.h|Source MAC mask|k/n||&mac_acl_dst.cfm
  !
!
