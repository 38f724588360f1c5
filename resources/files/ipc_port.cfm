// IPC SCTP port mode.
#|setting|k/o/n||
  assoc-retransmit|Association retransmit||
  local-ip|Local IP address||
  path-retransmit|Path retransmit||
  remote-ip|Remote IP address||
  retransmit-timeout|Retransmit timeout||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
