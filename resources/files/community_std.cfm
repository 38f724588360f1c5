// The entries of a standard community list: an action, then communities.
#|action|k||
  permit|Specify community to accept||
  deny|Specify community to reject||
#|||
  &community.cfm|Community number, aa:nn format or well-known community|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
