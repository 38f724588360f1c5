// IP SLA operation mode (icmp-echo and others).
data-pattern|Data Pattern|k/o/n||
  word|Data Pattern|||
    <cr>||||
    !
  !
!
frequency|Frequency of an operation|k/o/n||
  <1-604800>|Frequency in seconds|||
    <cr>||||
    !
  !
!
history|History and Distribution Data|k||
  #|parameter|k/o/n||
    buckets-kept|Maximum number of history buckets to collect||
    distributions-of-statistics-kept|Statistics distributions kept per hop||
    enhanced|Enable enhanced history collection||
    filter|Add operation data to history||
    hours-of-statistics-kept|Maximum number of hours of statistics kept||
    lives-kept|Maximum number of lives to maintain in history||
    statistics-distribution-interval|Statistics distribution interval size||
  #|||
    line|value|lb/le/wa||
      <cr>||||
      !
    !
  !
!
owner|Owner of Entry|k/o/n||
  line|owner|lb/le/wa||
    <cr>||||
    !
  !
!
request-data-size|Request data size|k/o/n||
  <0-16384>|Number of bytes in payload of request packets|||
    <cr>||||
    !
  !
!
secondary-frequency|Secondary frequency|k||
  #|condition|k/o/n||
    both|Any one of the reaction types||
    connection-loss|Enable secondary frequency for connection loss||
    timeout|Enable secondary frequency for timeout||
  #|||
    <0-604800>|Frequency in seconds|||
      <cr>||||
      !
    !
  !
!
tag|User defined tag|k/o/n||
  line|tag|lb/le/wa||
    <cr>||||
    !
  !
!
threshold|Operation threshold in milliseconds|k/o/n||
  <0-2147483647>|Millisecond threshold value|||
    <cr>||||
    !
  !
!
timeout|Timeout of an operation|k/o/n||
  <0-604800000>|Timeout in milliseconds|||
    <cr>||||
    !
  !
!
tos|Type Of Service|k/o/n||
  <0-255>|Type of service value|||
    <cr>||||
    !
  !
!
verify-data|Verify data|k/o/sb||
  <cr>||||
  !
!
vrf|Configure IP SLAs for a VPN Routing/Forwarding instance|k/o/n||
  word|VPN Routing/Forwarding instance name|||
    <cr>||||
    !
  !
!
