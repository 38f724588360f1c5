// An accounting method list: the record type, then server groups.
#|record type|||&aaa_groups1.cfm
  start-stop|Record start and stop without waiting||
  stop-only|Record stop when service terminates||
#|||
  broadcast|Use Broadcast for Accounting|||&aaa_groups1.cfm
  !
!
none|No accounting|||
  <cr>||||
  !
!
