// Control policy-map mode "(config-event-control-policymap)#".
event|The event this control class should be associated with|k||
  word|event name|k/n||
    <cr>||||@(config-class-control-policymap)# policy_map_control_event.cfm
    !
    #|match|||
      match-all|Execute all the matched classes||
      match-first|Execute the first matched class||
    #|||
      <cr>||||@(config-class-control-policymap)# policy_map_control_event.cfm
      !
    !
  !
!
