// Shared: "ip route" after the destination prefix: mask, then the next hop
// (an address, an interface, or an interface and an address).  Prefix, mask
// and next hop are key positions: a route to another next hop is another
// route; the next hop carries "o", so a changed distance or option
// replaces the route.
a.b.c.d|Destination prefix mask|k||
  a.b.c.d|Forwarding router's address|k/o/n||&ip_route_opt.cfm
  !
  &interfacefile.cfm|Forwarding interface|k||
    <slot/port>|interface number|k/o/n||&ip_route_nh.cfm
    !
  !
  dhcp|Default gateway obtained from DHCP|k/o/n||&ip_route_opt.cfm
  !
!
