// Shared: the options of "snmp-server inform", in any order.
retries|Set retry count for informs|ob||
  <0-100>|Number of retries|oe||
    <cr>||||
    !
  !
!
timeout|Set timeout for informs|ob||
  <0-42949671>|Timeout (seconds)|oe||
    <cr>||||
    !
  !
!
pending|Set number of unacked informs to hold|ob||
  <1-4294967295>|Number of pending informs|oe||
    <cr>||||
    !
  !
!
