// Archive mode "(config-archive)#".
log|Logging commands|k||
  config|Logging changes to the running configuration|k||
    <cr>||||@(config-archive-log-cfg)# archive_log.cfm
    !
  !
!
maximum|maximum number of backup copies|k/o/n||
  <1-14>|maximum number of backup copies|||
    <cr>||||
    !
  !
!
path|path for backups|k/o/n||
  word|URL and file name prefix of the archive|||
    <cr>||||
    !
  !
!
time-period|Period of time in minutes to automatically archive the running-config|k/o/n||
  <1-525600>|Minutes|||
    <cr>||||
    !
  !
!
write-memory|Enable automatic backup generation during write memory|k/o/sb||
  <cr>||||
  !
!
rollback|Rollback parameters|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
