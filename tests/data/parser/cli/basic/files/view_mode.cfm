enable|turn on privileged commands||
<cr>|end||
!
!
show|show running system information||
version|system hardware and software status||
<cr>|end||
!
!
!
