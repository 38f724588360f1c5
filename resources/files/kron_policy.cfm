// Kron policy list mode "(config-kron-policy)#".
cli|A command to run|k||
  line|EXEC command|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
