// How often a kron occurrence runs; ends the command that enters the
// occurrence mode.
#|run|||
  oneshot|Run once||
  recurring|Run again at every interval||
  system-startup|Run when the system starts||
#|||
  <cr>||||@(config-kron-occurrence)# kron_occurrence.cfm
  !
!
