// IPC SCTP mode.
local-port|Local port|k||
  <1-65535>|Port number|k/n||
    <cr>||||@(config-ipc-protocol-sctp-local)# ipc_port.cfm
    !
  !
!
remote-port|Remote port|k||
  <1-65535>|Port number|k/n||
    <cr>||||@(config-ipc-protocol-sctp-remote)# ipc_port.cfm
    !
  !
!
