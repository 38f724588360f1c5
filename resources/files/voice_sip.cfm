// SIP settings of the voice service "(conf-serv-sip)#".
bind|Bind the source address of SIP|k||
  #|traffic|k||
    all|Signaling and media||
    control|Signaling||
    media|Media||
  #|||
    source-interface|Source interface|o/n||
      &interfacefile.cfm|Interface type|||
        <slot/port>|Interface number|||
          <cr>||||
          !
        !
      !
    !
  !
!
early-offer|Send the early offer|k||
  forced|Always send the early offer|k/o/sb||
    <cr>||||
    !
  !
!
header-passing|Pass SIP headers|k/o/sb||
  <cr>||||
  !
!
min-se|Minimum session expires|k/o/n||
  <90-86400>|Minimum session expires, seconds|||
    <cr>||||
    !
    session-expires|Session expires header value|||
      <90-86400>|Seconds|||
        <cr>||||
        !
      !
    !
  !
!
registrar|Enable the SIP registrar|k/o/n||
  server|SIP registrar server|||
    <cr>||||
    !
  !
!
session|Session settings|k||
  transport|Transport|k/o/n||
    #|transport|||
      tcp|TCP||
      udp|UDP||
    #|||
      <cr>||||
      !
    !
  !
!
