configure|enter configuration mode||
<cr>|end||
!
terminal|configure from the terminal||
<cr>|end||
!
!
!
show|show running system information||
running-config|current operating configuration||
<cr>|end||
!
!
version|system hardware and software status||
<cr>|end||
!
!
!
ping|send echo messages||
<a.b.c.d>|ping destination address||
<cr>|end||
!
!
!
