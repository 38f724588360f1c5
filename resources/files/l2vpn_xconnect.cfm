// L2VPN cross-connect context mode "(config-xconnect)#".
description|Cross-connect description|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
member|Member of the cross-connect|k||
  &interfacefile.cfm|Interface type|k||
    <slot/port>|Interface number|k/n||
      <cr>||||
      !
      service-instance|Ethernet service instance|k||
        <1-8000>|Service instance identifier|k/n||
          <cr>||||
          !
        !
      !
    !
  !
  a.b.c.d|Peer address of a pseudowire|k||
    <1-4294967295>|VC identifier|k/n||
      encapsulation|Data encapsulation method|o||
        mpls|MPLS encapsulation|||
          <cr>||||
          !
        !
      !
      template|Pseudowire template|o||
        word|Template name|||
          <cr>||||
          !
        !
      !
    !
  !
!
mtu|Cross-connect MTU|k/o/n||
  <64-65535>|MTU|||
    <cr>||||
    !
  !
!
shutdown|Shut the cross-connect down|k||
  <cr>||||
  !
!
