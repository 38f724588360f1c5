// TACACS+ and RADIUS server mode.
address|Address of the server|k||
  #|family|k/o/n||
    ipv4|IPv4 address||
    ipv6|IPv6 address||
  #|||
    hostname or a.b.c.d|address|||&radius_port_opt.cfm
    !
    line|address and ports|lb/le/wa||
      <cr>||||
      !
    !
  !
!
key|Per-server encryption key|k/o/n||
  #|encryption type|||
    0|Specifies an UNENCRYPTED key will follow||
    6|Specifies an ENCRYPTED key will follow||
    7|Specifies HIDDEN key will follow||
  #|||
    word|The key|||
      <cr>||||
      !
    !
  !
  word|The UNENCRYPTED (cleartext) server key|||
    <cr>||||
    !
  !
!
pac|Protected Access Credential key|k||
  key|Per-server PAC encryption key|k/o/n||
    #|encryption type|||
      0|Specifies an UNENCRYPTED key will follow||
      6|Specifies an ENCRYPTED key will follow||
      7|Specifies HIDDEN key will follow||
    #|||
      word|The key|||
        <cr>||||
        !
      !
    !
    word|The UNENCRYPTED (cleartext) server key|||
      <cr>||||
      !
    !
  !
!
timeout|Time to wait for this server to reply|k/o/n||
  <1-1000>|Wait time (default 5 seconds)|||
    <cr>||||
    !
  !
!
port|TCP port for TACACS+ server|k/o/n||
  <1-65535>|Port number|||
    <cr>||||
    !
  !
!
single-connection|Enable single connection|k/o/sb||
  <cr>||||
  !
!
retransmit|Number of retries|k/o/n||
  <0-100>|Retries|||
    <cr>||||
    !
  !
!
automate-tester|Automated testing|k/o/n||
  line|settings|lb/le/wa||
    <cr>||||
    !
  !
!
