a|a|||
<cr>|||@(a)# not_there.cfm
!
!
