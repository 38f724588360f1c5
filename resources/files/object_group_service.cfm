// Service object group mode "(config-service-group)#".
description|Service object group description|k/o/n||
  line|Description|lb/le/wa/k||
    <cr>||||
    !
  !
!
group-object|Nested object group|k/n||
  word|Object group name|k/n||
    <cr>||||
    !
  !
!
#|protocol|k/n||
  tcp|Transmission Control Protocol||
  udp|User Datagram Protocol||
  tcp-udp|TCP or UDP||
  icmp|Internet Control Message Protocol||
  ip|Any Internet Protocol||
  esp|Encapsulation Security Payload||
  ahp|Authentication Header Protocol||
  gre|GRE tunneling||
#|||
  <cr>||||
  !
  #|port operator|k/n||
    eq|Match only packets on a given port number||
    gt|Match only packets with a greater port number||
    lt|Match only packets with a lower port number||
    neq|Match only packets not on a given port number||
  #|||
    &ports.cfm|Port number or name|k/lb/le/wa/n||
      <cr>||||
      !
    !
  !
  range|Match only packets in the range of port numbers|k/n||
    &ports.cfm|Lowest port number|k/n||
      &ports.cfm|Highest port number|k/n||
        <cr>||||
        !
      !
    !
  !
  source|Source port|k/n||
    line|port operator and ports|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  &icmptypes.cfm|ICMP message type|k/n||
    <cr>||||
    !
  !
!
<0-255>|An IP protocol number|k/n||
  <cr>||||
  !
!
service-object|Service object (firewall style)|k/n||
  line|protocol and ports|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
