configure|enter configuration mode|||
terminal|configure from the terminal|||
<cr>|||
!
!
!
show|show running system information|||
running-config|current operating configuration|||
<cr>|||
!
!
!
