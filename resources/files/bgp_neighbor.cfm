// Shared: "neighbor" commands of BGP, in the router and in its address
// families.  The neighbor (address or peer group) and the setting keyword
// are the key; the setting's value replaces the old one.
#|Neighbor|k/n||&bgp_nbr_settings.cfm
  a.b.c.d|Neighbor address||
  word|Neighbor tag (peer group name) or IPv6 address||
#|||
!
