// "radius-server host ADDRESS": the options, in any order.
<cr>||||
!
auth-port|UDP port for RADIUS authentication server|ob||
  <0-65535>|Port number|oe||
    <cr>||||
    !
  !
!
acct-port|UDP port for RADIUS accounting server|ob||
  <0-65535>|Port number|oe||
    <cr>||||
    !
  !
!
timeout|Time to wait for this RADIUS server to reply|ob||
  <1-1000>|Wait time|oe||
    <cr>||||
    !
  !
!
retransmit|Number of times to retransmit|ob||
  <0-100>|Number of retries|oe||
    <cr>||||
    !
  !
!
key|per-server encryption key|ob||
  <0-7>|Encryption type|||
    word|The encryption key|oe||
      <cr>||||
      !
    !
  !
  word|The encryption key|oe||
    <cr>||||
    !
  !
!
test|Configure server test|ob||
  username|Test user name|||
    word|User name|oe||
      <cr>||||
      !
    !
  !
!
