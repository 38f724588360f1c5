configure|enter configuration mode|||
terminal|configure from the terminal|||
<cr>|||
!
!
<cr>|||
!
!
