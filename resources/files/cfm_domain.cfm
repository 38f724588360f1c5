// Ethernet CFM maintenance domain mode "(config-ecfm)#".
service|Maintenance association|k||
  word|Maintenance association name|k/n||
    evc|Ethernet virtual circuit|n||
      word|EVC name|n||
        <cr>||||@(config-ecfm-srv)# cfm_service.cfm
        !
        vlan|VLAN|n||
          <1-4094>|VLAN identifier|n||
            <cr>||||@(config-ecfm-srv)# cfm_service.cfm
            !
          !
        !
      !
    !
    vlan|VLAN|n||
      <1-4094>|VLAN identifier|n||
        <cr>||||@(config-ecfm-srv)# cfm_service.cfm
        !
        direction|Direction of the MEPs|n||
          down|Down MEPs only|n||
            <cr>||||@(config-ecfm-srv)# cfm_service.cfm
            !
          !
        !
      !
    !
    port|Down MEPs on ports without a VLAN|n||
      <cr>||||@(config-ecfm-srv)# cfm_service.cfm
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
