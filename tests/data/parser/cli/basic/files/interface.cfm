ip|interface internet protocol config commands||
address|set the ip address of an interface|k/n||
<a.b.c.d>|ip address|k||
<a.b.c.d>|ip subnet mask||
<cr>|end||
!
secondary|make this ip address a secondary address||
<cr>|end||
!
!
!
!
!
access-group|specify access control for packets|k||
<1-199>|ip access list (standard or extended)|k||
in|inbound packets|ob/oe/cf|out|
<cr>|end||
!
!
out|outbound packets|ob/oe/cf|in|
<cr>|end||
!
!
log|log matches against this entry|ob/oe||
<cr>|end||
!
!
!
!
!
description|interface specific description|o||
line|up to 240 characters describing this interface|wa/lb/le||
<cr>|end||
!
!
!
shutdown|shutdown the selected interface||
<cr>|end||
!
!
speed|configure speed operation|o||
&speed.cfm|speed value||
<cr>|end||
!
!
!
