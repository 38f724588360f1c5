router-id|router-id for this ospf process|k/o||
<a.b.c.d>|ospf router-id in ip address format|||
<cr>|||
!
!
!
network|enable routing on an ip network|k||
<a.b.c.d>|network number|k||
<a.b.c.d>|ospf wild card bits|k||
area|set the ospf area id|k/o||
<0-4294967295>|ospf area id|||
<cr>|||
!
!
!
!
!
!
address-family|enter address family command mode|k||
ipv4|address family|k||
<cr>|||@(config-router-af)# af.cfm
!
!
!
