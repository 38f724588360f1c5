// "ipv6 route PREFIX": the next hop (an interface name such as Null0 or
// GigabitEthernet0/1, an IPv6 address, or an interface then an address),
// then the options.  Both are free words: an IPv6 address has no type of
// its own, and an interface name next to a free word is not split.
word|Interface name or IPv6 address of the next hop|k/o/n||&ipv6_route_opt.cfm
  word|IPv6 address of the next hop|k/o/n||&ipv6_route_opt.cfm
  !
!
