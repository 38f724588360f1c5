// Ethernet CFM maintenance domain mode "(config-ecfm)#".
service|Maintenance association|k||
  word|Maintenance association name|k/n||
    #|service type|||
      evc|Ethernet virtual circuit||
      vlan|VLAN||
    #|||
      word|EVC name or VLAN|n||
        <cr>||||
        !
      !
    !
    port|Down MEPs on ports without a VLAN|n||
      <cr>||||
      !
    !
  !
  number|Maintenance association number|k||
    <0-65535>|Number|k/n||
      vlan|VLAN|n||
        <1-4094>|VLAN|n||
          <cr>||||
          !
        !
      !
    !
  !
!
id|Maintenance domain identifier|k/o/n||
  #|identifier|||
    dns|DNS name||
    mac-address|MAC address||
    null|No identifier||
  #|||
    <cr>||||
    !
    word|Identifier|||
      <cr>||||
      !
    !
  !
!
