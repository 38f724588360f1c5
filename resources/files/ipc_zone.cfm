// IPC zone mode.
association|Configure an association|k||
  <1-255>|Association id|k/n||
    <cr>||||@(config-ipczone-assoc)# ipc_assoc.cfm
    !
  !
!
