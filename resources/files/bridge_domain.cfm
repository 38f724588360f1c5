// Bridge domain mode "(config-bdomain)#".
mac|MAC address settings|k||
  aging-time|MAC aging time|k/o/n||
    <30-21600>|Seconds|||
      <cr>||||
      !
    !
  !
  learning|Learn MAC addresses|k/o/sb||
    <cr>||||
    !
  !
  limit|MAC address limits|k||
    maximum|Maximum MAC addresses|k||
      addresses|Addresses|k/o/n||
        <1-65536>|Number of addresses|||
          <cr>||||
          !
        !
      !
    !
  !
!
member|Bridge domain member|k||
  &interfacefile.cfm|Interface type|k||
    <slot/port>|Interface number|k/n||
      <cr>||||
      !
      service-instance|Ethernet service instance|k||
        <1-8000>|Service instance identifier|k/n||
          <cr>||||
          !
          split-horizon|Split horizon|o||
            group|Split horizon group|||
              <0-255>|Group number|||
                <cr>||||
                !
              !
            !
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
  vfi|Virtual forwarding instance|k||
    word|VFI name|k/n||
      <cr>||||
      !
    !
  !
!
shutdown|Shut the bridge domain down|k||
  <cr>||||
  !
!
