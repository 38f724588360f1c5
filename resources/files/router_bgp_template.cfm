// BGP peer template mode "(config-router-stmp)#".  The settings of a
// template are those of a neighbor (bgp_nbr_settings.cfm, grafted beside
// these on the entering line).
exit-peer-policy|Exit from template configuration mode|k||
  <cr>||||
  !
!
exit-peer-session|Exit from template configuration mode|k||
  <cr>||||
  !
!
