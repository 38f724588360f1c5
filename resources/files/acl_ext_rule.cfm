// Shared: the body of an extended access list entry, after "permit" or
// "deny": protocol, source, destination, then options in any order.
#|An IP protocol|k/n||&acl_src.cfm
  ip|Any Internet Protocol||
  ahp|Authentication Header Protocol||
  ah|Authentication Header Protocol||
  eigrp|Cisco's EIGRP routing protocol||
  esp|Encapsulation Security Payload||
  gre|Cisco's GRE tunneling||
  icmp|Internet Control Message Protocol||
  icmp6|Internet Control Message Protocol for IPv6||
  icmpv6|Internet Control Message Protocol for IPv6||
  igmp|Internet Gateway Message Protocol||
  igrp|Cisco's IGRP routing protocol||
  ipinip|IP in IP tunneling||
  ipsec|IPsec protocols (ESP and AH)||
  ipv4|Any Internet Protocol version 4||
  ipv6|IPv6 in IP||
  nd|Neighbor discovery||
  nos|KA9Q NOS compatible IP over IP tunneling||
  ospf|OSPF routing protocol||
  pcp|Payload Compression Protocol||
  pim|Protocol Independent Multicast||
  pptp|Point-to-point tunneling protocol||
  snp|Simple network protocol||
  vrrp|Virtual Router Redundancy Protocol||
#|||
!
#|A protocol with ports|k/n||&acl_srcp.cfm
  tcp|Transmission Control Protocol||
  udp|User Datagram Protocol||
  tcp-udp|TCP and UDP||
  sctp|Stream Control Transmission Protocol||
#|||
!
<0-255>|An IP protocol number|k/n||&acl_src.cfm
!
object-group|Service object group|k/n||
  word|Service object group name|k/n||&acl_src.cfm
  !
!
