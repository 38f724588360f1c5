// Extended MAC access list mode "(config-ext-macl)#": each entry is an
// item of the list ("k" on every node).
#|action|k/n||&mac_acl_src.cfm
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
