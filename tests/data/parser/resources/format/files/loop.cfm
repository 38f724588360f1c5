neighbor|n|k||
<a.b.c.d>|address|lb||
remote-as|ras|||
<1-65535>|as number|le||
<cr>|||
!
!
!
!
!
vlan|v|||
<1-4094>|vlan id|lb/le||
<cr>|||
!
!
!
outer|o|lb||
inner|i|lb||
x|x|le||
y|y|le||
!
!
!
!
