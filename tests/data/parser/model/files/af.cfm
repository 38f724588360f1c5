neighbor|specify a neighbor router|k||
<a.b.c.d>|neighbor address|k||
activate|enable the address family for this neighbor|k||
<cr>|||
!
!
!
!
