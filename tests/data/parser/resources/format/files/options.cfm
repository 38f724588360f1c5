neighbor|n|k||
<a.b.c.d>|address|||
remote-as|ras|ob||
<1-65535>|as number|oe||
<cr>|||
!
!
!
weight|w|ob||
<0-65535>|weight value|oe||
<cr>|||
!
!
!
description|d|ob/oe||
<cr>|||
!
!
!
!
