// WSMA agent mode "(config-wsma-agent)#": the profiles the agent serves
// (one agent may use several, the device writes them in turn).
profile|Attach a WSMA profile to the agent|k||
  word|Profile name|k/n||
    <cr>||||
    !
  !
!
