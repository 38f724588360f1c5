// What may follow "metric-style narrow" and "metric-style wide".
transition|Accept both styles of TLVs during transition|||&isis_metric_style_level.cfm
!
<cr>||||
!
#|level|||
  level-1|Level-1 only||
  level-1-2|Level-1 and Level-2||
  level-2|Level-2 only||
#|||
  <cr>||||
  !
!
