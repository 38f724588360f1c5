// Port object group mode "(config-port-ogroup)#".
#|port operator|k/n||
  eq|Match only packets on a given port number||
  gt|Match only packets with a greater port number||
  lt|Match only packets with a lower port number||
  neq|Match only packets not on a given port number||
#|||
  <0-65535>|Port number|k/n||
    <cr>||||
    !
  !
!
range|Match only packets in the range of port numbers|k/n||
  <0-65535>|Lowest port number|k/n||
    <0-65535>|Highest port number|k/n||
      <cr>||||
      !
    !
  !
!
<1-4294967295>|Sequence number|k/n||
  #|port operator|k/n||
    eq|Match only packets on a given port number||
    gt|Match only packets with a greater port number||
    lt|Match only packets with a lower port number||
    neq|Match only packets not on a given port number||
  #|||
    <0-65535>|Port number|k/n||
      <cr>||||
      !
    !
  !
  range|Match only packets in the range of port numbers|k/n||
    <0-65535>|Lowest port number|k/n||
      <0-65535>|Highest port number|k/n||
        <cr>||||
        !
      !
    !
  !
!
