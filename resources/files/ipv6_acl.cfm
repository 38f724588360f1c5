// IPv6 access list mode "(config-ipv6-acl)#".
#|action|k/n||
  permit|Specify packets to forward||
  deny|Specify packets to reject||
#|||
  line|protocol, source, destination and options|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
sequence|Sequence number for this entry|k/n||
  <1-4294967295>|Sequence number|k/n||
    #|action|k/n||
      permit|Specify packets to forward||
      deny|Specify packets to reject||
    #|||
      line|protocol, source, destination and options|lb/le/wa/k/n||
        <cr>||||
        !
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
