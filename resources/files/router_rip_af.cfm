// RIP address family mode "(config-router-af)#".
auto-summary|Enable automatic network number summarization|k/o/sb||
  <cr>||||
  !
!
default-information|Control distribution of default information|k||
  originate|Distribute a default route|k/o/n||
    <cr>||||
    !
    line|route-map|lb/le/wa||
      <cr>||||
      !
    !
  !
!
default-metric|Set metric of redistributed routes|k/o/n||
  <1-4294967295>|Default metric|||
    <cr>||||
    !
  !
!
exit-address-family|Exit from Address Family configuration mode|k||
  <cr>||||
  !
!
network|Enable routing on an IP network|k||
  a.b.c.d|Network number|k/n||
    <cr>||||
    !
  !
!
passive-interface|Suppress routing updates on an interface|k||
  default|Suppress routing updates on all interfaces|k/o/sb||
    <cr>||||
    !
  !
  &interfacefile.cfm|Interface type|k||
    <slot/port>|interface number|k/n/sb/o||
      <cr>||||
      !
    !
  !
!
redistribute|Redistribute information from another routing protocol|k||&redistribute.cfm
!
version|Set routing protocol version|k/o/n||
  #|version|||
    1|RIP version 1||
    2|RIP version 2||
  #|||
    <cr>||||
    !
  !
!
