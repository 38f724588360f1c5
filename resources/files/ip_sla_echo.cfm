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
    enhanced|Enable enhanced history collection||
  #|||
    line|value|lb/le/wa||
      <cr>||||
      !
    !
  !
  buckets-kept|Maximum number of history buckets to collect|k/o/n||
    <1-60>|Number of history buckets|||
      <cr>||||
      !
    !
  !
  distributions-of-statistics-kept|Statistics distributions kept per hop|k/o/n||
    <1-20>|Number of statistics distributions|||
      <cr>||||
      !
    !
  !
  filter|Add operation data to history|k/o/n||
    #|filter|||
      all|Store history data for all operations||
      failures|Store data for operations that failed||
      none|Do not store history data||
      overThreshold|Store data for operations that exceeded the threshold||
    #|||
      <cr>||||
      !
    !
  !
  hours-of-statistics-kept|Maximum number of hours of statistics kept|k/o/n||
    <0-25>|Number of hours|||
      <cr>||||
      !
    !
  !
  lives-kept|Maximum number of lives to maintain in history|k/o/n||
    <0-2>|Number of lives|||
      <cr>||||
      !
    !
  !
  statistics-distribution-interval|Statistics distribution interval size|k/o/n||
    <1-100>|Interval size in milliseconds|||
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
