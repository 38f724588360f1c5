// "tacacs-server host ADDRESS": the options, in any order.
<cr>||||
!
port|TCP port for TACACS+ server|ob||
  <1-65535>|Port number|oe||
    <cr>||||
    !
  !
!
timeout|Time to wait for this TACACS server to reply|ob||
  <1-1000>|Wait time|oe||
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
single-connection|Multiplex all packets over a single tcp connection|ob/oe||
  <cr>||||
  !
!
nat|To be used for Cisco Nat|ob/oe||
  <cr>||||
  !
!
