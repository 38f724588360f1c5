// The falling threshold after a storm-control rising threshold in percent.
<cr>||||
!
#|falling threshold|||
  <0-100>|Enter falling threshold (percent)||
  <0.00-100.00>|Enter falling threshold (percent with decimals)||
#|||
  <cr>||||
  !
!
