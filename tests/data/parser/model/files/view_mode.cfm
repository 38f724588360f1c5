enable|turn on privileged commands|||
<cr>|||
!
!
show|show running system information|||
running-config|current operating configuration|||
<cr>|||
!
!
!
