network|enable routing on an ip network|k||
a.b.c.d|network number|k||
<cr>|||
!
!
!
