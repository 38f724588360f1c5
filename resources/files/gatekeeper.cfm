// Gatekeeper mode "(config-gk)#".
gw-type-prefix|Gateway type prefix|k||
  word|Prefix|k/o/n||
    <cr>||||
    !
    line|options|lb/le/wa||
      <cr>||||
      !
    !
  !
!
lrq|Location request settings|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
shutdown|Shut down the gatekeeper|k/o/sb||
  <cr>||||
  !
!
zone|Zone settings|k||
  #|zone kind|k||
    local|Local zone||
    remote|Remote zone||
    prefix|Zone prefix||
  #|||
    word|Zone name|k/o/n||
      line|domain and options|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
!
