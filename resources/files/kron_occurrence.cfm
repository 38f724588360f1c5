// Kron occurrence mode "(config-kron-occurrence)#".
policy-list|Policy list to run|k||
  word|Policy list name|k/n||
    <cr>||||
    !
  !
!
