// RADIUS dynamic authorization server mode "(config-locsvr-da-radius)#".
client|Specify a RADIUS client|k||
  hostname or a.b.c.d|IP address or hostname of the client|k/o/n||
    <cr>||||
    !
    line|server-key and vrf|lb/le/wa||
      <cr>||||
      !
    !
  !
!
server-key|Set the server key|k/o/n||
  line|key|lb/le/wa||
    <cr>||||
    !
  !
!
port|Port|k/o/n||
  <1-65535>|Port number|||
    <cr>||||
    !
  !
!
ignore|Ignore a key check|k||
  #|key|k/o/sb||
    session-key|Ignore the session key||
    server-key|Ignore the server key||
  #|||
    <cr>||||
    !
  !
!
auth-type|Authorization type|k/o/n||
  line|type|lb/le/wa||
    <cr>||||
    !
  !
!
