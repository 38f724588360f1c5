// IP address object group mode.
<1-2147483647>|Sequence number|k/n||
  line|address|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
host-info|Host information|k/n||
  a.b.c.d|Host address|k/n||
    <cr>||||
    !
  !
!
a.b.c.d|Address|k/n||
  a.b.c.d|Mask|k/n||
    <cr>||||
    !
  !
!
a.b.c.d/<1-32>|Prefix|k/n||
  <cr>||||
  !
!
