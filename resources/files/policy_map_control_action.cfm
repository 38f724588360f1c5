// Control policy-map action mode "(config-action-control-policymap)#".
<1-254>|Action number|k||
  line|action (authenticate, authorize, terminate, activate, pause, resume...)|lb/le/wa/o/n||
    <cr>||||
    !
  !
!
