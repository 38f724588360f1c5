enable|turn on privileged commands|||
<cr>|||
!
!
show|show running system information|||
version|system hardware and software status|||
<cr>|||
!
!
!
