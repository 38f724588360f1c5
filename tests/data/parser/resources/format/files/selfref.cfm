a|a|||
<cr>|||@(a)# selfref.cfm
!
!
b|b|||
!
