// Redundancy mode "(config-red)#".
mode|Redundancy mode|k/o/n||
  #|mode|||
    none|No redundancy||
    rpr|Route Processor Redundancy||
    rpr-plus|Route Processor Redundancy Plus||
    sso|Stateful Switchover||
  #|||
    <cr>||||
    !
  !
!
application|Application mode|k||
  line|application|lb/le/wa/k/n||
    <cr>||||@(config-red-app)# redundancy.cfm
    !
  !
!
interchassis|Interchassis redundancy|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
main-cpu|Main CPU|k||
  <cr>||||@(config-r-mc)# redundancy.cfm
  !
!
auto-sync|Auto sync|k/o/n||
  line|what|lb/le/wa||
    <cr>||||
    !
  !
!
