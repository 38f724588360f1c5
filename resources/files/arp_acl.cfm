// ARP access list mode "(config-arp-nacl)#".
#|action|k/n||
  permit|Specify packets to forward||
  deny|Specify packets to reject||
#|||
  line|request or response, sender IP and MAC, log|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
<1-2147483647>|Sequence Number|k/n||
  #|action|k/n||
    permit|Specify packets to forward||
    deny|Specify packets to reject||
  #|||
    line|request or response, sender IP and MAC, log|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
