// Shared: the UDP ports of a RADIUS server, in any order.
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
