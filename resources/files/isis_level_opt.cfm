// The level an IS-IS interface setting applies to (both when none is given).
<cr>||||
!
#|level|||
  level-1|Specify value for level-1 routing||
  level-2|Specify value for level-2 routing||
#|||
  <cr>||||
  !
!
