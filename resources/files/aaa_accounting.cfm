// AAA accounting method list mode "(cfg-acct-mlist)#".
action-type|Accounting action type|k/o/n||
  #|action type|||
    none|No accounting||
    start-stop|Record start and stop without waiting||
    stop-only|Record stop when service terminates||
  #|||
    <cr>||||
    !
    line|options|lb/le/wa||
      <cr>||||
      !
    !
  !
!
broadcast|Send accounting records to all servers in the group|k/o/sb||
  <cr>||||
  !
!
group|Use server-group|k/o/n||
  word|Server-group name|||
    <cr>||||
    !
  !
!
