// The level an IS-IS metric style applies to (both when none is given).
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
