// The destination of a MAC access list entry, then its options.
any|any destination MAC address|k/n||&mac_acl_opt.cfm
!
host|A single destination host|k||
  h.h.h|Destination MAC address|k/n||&mac_acl_opt.cfm
  !
!
h.h.h|Destination MAC address|k||
  h.h.h|Destination MAC mask|k/n||&mac_acl_opt.cfm
  !
!
