// IPC zone association mode.
shutdown|Shut down the association|k/o/sb||
  <cr>||||
  !
!
protocol|Transport protocol|k||
  sctp|SCTP|k/n||
    <cr>||||@(config-ipczone-assoc-sctp)# ipc_sctp.cfm
    !
  !
!
