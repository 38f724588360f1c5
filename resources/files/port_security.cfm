// Port security mode "(config-if-port-security)#".
age|Age of secure addresses|k/o/n||
  <1-1440>|Age in minutes|||
    <cr>||||
    !
  !
!
delete-dynamic-learn|Delete dynamically learned addresses|k/o/sb||
  <cr>||||
  !
!
maximum|Maximum number of addresses|k/o/n||
  <1-4097>|Maximum addresses|||
    <cr>||||
    !
  !
!
violation|Violation action|k/o/n||
  #|action|||
    protect|Drop the packets||
    restrict|Drop the packets and count them||
    shutdown|Shut the port down||
  #|||
    <cr>||||
    !
  !
!
secure-mac-address|Secure MAC address|k||
  h.h.h|MAC address|k/n||
    <cr>||||
    !
    vlan|VLAN of the address|k/n||
      <1-4094>|VLAN ID|k/n||
        <cr>||||
        !
        auto|Automatically learned|k/n||
          <cr>||||
          !
        !
      !
    !
  !
!
