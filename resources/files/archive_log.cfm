// Archive configuration-change logging mode "(config-archive-log-cfg)#".
hidekeys|suppress output (e.g. passwords) when displaying logged commands|k/o/sb||
  <cr>||||
  !
!
logging|Modify config logging parameters|k||
  enable|Enable the config logger|k/o/sb||
    <cr>||||
    !
  !
  size|Set the maximum number of entries retained in the config log|k/o/n||
    <1-1000>|Number of entries|||
      <cr>||||
      !
    !
  !
  persistent|Enable config logger persistency|k/o/n||
    line|options|lb/le/wa||
      <cr>||||
      !
    !
  !
!
notify|Send logged commands to target applications|k||
  syslog|Send logged commands to syslog|k/o/n||
    <cr>||||
    !
    contenttype|Set notification content type|||
      #|type|||
        plaintext|Plain text||
        xml|XML||
      #|||
        <cr>||||
        !
      !
    !
  !
!
