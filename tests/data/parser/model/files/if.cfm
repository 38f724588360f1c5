description|interface specific description|k/o||
<line>|up to 240 characters|lb/le/wa||
<cr>|||
!
!
!
ip|interface internet protocol config commands|k||
address|set the ip address of an interface|k/o/n||
<a.b.c.d>|ip address||
<a.b.c.d>|ip subnet mask||
<cr>|||
!
!
!
!
helper-address|specify a destination address for udp broadcasts|k||
<a.b.c.d>|ip destination address|k||
<cr>|||
!
!
!
!
shutdown|shutdown the selected interface|k/n||
<cr>|||
!
!
