// Extended named access list mode "(config-ext-nacl)#".  Every position of
// an entry is a key: an entry is identified by its whole text.
#|action|k/n||&acl_ext_rule.cfm
  permit|Specify packets to forward||
  deny|Specify packets to reject||
#|||
!
<1-2147483647>|Sequence Number|k/n||
  #|action|k/n||&acl_ext_rule.cfm
    permit|Specify packets to forward||
    deny|Specify packets to reject||
  #|||
  !
  remark|Access list entry comment|k/n||
    line|Comment up to 100 characters|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
remark|Access list entry comment|k/n||
  line|Comment up to 100 characters|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
evaluate|Evaluate an access list|k/n||
  word|IP reflexive access list name|k/n||
    <cr>||||
    !
  !
!
dynamic|Specify a DYNAMIC list of PERMITs or DENYs|k/n||
  line|name and entry|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
statistics|Access list statistics|k||
  per-entry|Collect statistics for each ACE|k/o/sb||
    <cr>||||
    !
  !
!
