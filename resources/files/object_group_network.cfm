// Network object group mode "(config-network-group)#".
description|Network object group description|k/o/n||
  line|Description|lb/le/wa/k||
    <cr>||||
    !
  !
!
group-object|Nested object group|k/n||
  word|Object group name|k/n||
    <cr>||||
    !
  !
!
host|Host address|k/n||
  a.b.c.d|Host address|k/n||
    <cr>||||
    !
  !
!
a.b.c.d|Network address|k/n||
  a.b.c.d|Network mask|k/n||
    <cr>||||
    !
  !
!
a.b.c.d/<1-32>|Network prefix|k/n||
  <cr>||||
  !
!
network-object|Network object (firewall style)|k/n||
  host|Host address|k/n||
    a.b.c.d|Host address|k/n||
      <cr>||||
      !
    !
  !
  a.b.c.d|Network address|k/n||
    a.b.c.d|Network mask|k/n||
      <cr>||||
      !
    !
  !
!
range|Address range|k/n||
  a.b.c.d|First address|k/n||
    a.b.c.d|Last address|k/n||
      <cr>||||
      !
    !
  !
!
