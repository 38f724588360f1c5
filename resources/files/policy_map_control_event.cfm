// Control policy-map event mode "(config-class-control-policymap)#".
<1-254>|Control class sequence number|k||
  class|Specify a class|k||
    word|class-map name|k/n||
      <cr>||||@(config-action-control-policymap)# policy_map_control_action.cfm
      !
      #|execution|||
        do-all|Execute all the actions||
        do-until-failure|Execute the actions until one fails||
        do-until-success|Execute the actions until one succeeds||
      #|||
        <cr>||||@(config-action-control-policymap)# policy_map_control_action.cfm
        !
      !
    !
  !
!
