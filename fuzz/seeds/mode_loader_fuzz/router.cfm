neighbor|specify a neighbor router|k||
<a.b.c.d>|neighbor address|k||
remote-as|specify a bgp neighbor|ob||
<1-65535>|as of remote neighbor|oe||
<cr>|end||
!
!
!
weight|set default weight for routes from this neighbor|ob||
<0-65535>|default weight|oe||
<cr>|end||
!
!
!
description|neighbor specific description|ob/oe||
<cr>|end||
!
!
!
!
address-family|enter address family command mode||
ipv4|address family|k||
<cr>|end||@(config-router-af)# af.cfm
!
!
!
