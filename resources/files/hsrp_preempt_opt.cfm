// After one delay of "standby preempt delay", the others.
<cr>||||
!
minimum|Delay at least this long|ob||
  <0-3600>|Number of seconds for minimum delay|oe||
    <cr>||||
    !
  !
!
reload|Delay after reload|ob||
  <0-3600>|Number of seconds for reload delay|oe||
    <cr>||||
    !
  !
!
sync|Wait for IP redundancy clients|ob||
  <0-3600>|Number of seconds for sync delay|oe||
    <cr>||||
    !
  !
!
