// VLAN access-map mode "(config-access-map)#".
match|Match values|k||
  #|family|k||
    ip|IP based match||
    ipv6|IPv6 based match||
    mac|MAC based match||
  #|||
    address|Address|k||
      word|Access list name or number|lb/le/m/n||
        <cr>||||
        !
      !
    !
  !
!
action|Take the action|k/o/n||
  #|action|||
    drop|Drop packets||
    forward|Forward packets||
  #|||
    <cr>||||
    !
    log|Log the packets|||
      <cr>||||
      !
    !
  !
!
