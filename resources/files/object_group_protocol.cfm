// Protocol object group mode "(config-protocol-group)#" (firewall style).
description|Protocol object group description|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
protocol-object|Protocol object|k||
  #|protocol|k/n||
    ahp|Authentication Header Protocol||
    eigrp|Cisco's EIGRP routing protocol||
    esp|Encapsulation Security Payload||
    gre|Cisco's GRE tunneling||
    icmp|Internet Control Message Protocol||
    icmp6|Internet Control Message Protocol for IPv6||
    igmp|Internet Gateway Message Protocol||
    ip|Any Internet Protocol||
    ipinip|IP in IP tunneling||
    ospf|OSPF routing protocol||
    pim|Protocol Independent Multicast||
    sctp|Stream Control Transmission Protocol||
    tcp|Transmission Control Protocol||
    udp|User Datagram Protocol||
    <0-255>|An IP protocol number||
  #|||
    <cr>||||
    !
  !
!
group-object|Nested object group|k||
  word|Object group name|k/n||
    <cr>||||
    !
  !
!
