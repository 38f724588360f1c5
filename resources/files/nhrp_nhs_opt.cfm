// "ip nhrp nhs ADDRESS": the options, in any order.
<cr>||||
!
nbma|NBMA address of the next hop server|ob||
  a.b.c.d|IP NBMA address|oe||
    <cr>||||
    !
  !
  hostname or a.b.c.d|NBMA host name|oe||
    <cr>||||
    !
  !
!
multicast|Use the next hop server for multicasts|ob/oe||
  <cr>||||
  !
!
priority|Priority of the next hop server|ob||
  <0-255>|Priority|oe||
    <cr>||||
    !
  !
!
cluster|Cluster of the next hop server|ob||
  <0-10>|Cluster number|oe||
    <cr>||||
    !
  !
!
