// VPDN group mode "(config-vpdn)#".
accept-dialin|Accept dial-in requests, the tunnel terminates here|k/n||
  <cr>||||@(config-vpdn-acc-in)# vpdn_dialin.cfm
  !
!
request-dialin|Request dial-in tunnels to the tunnel server|k/n||
  <cr>||||@(config-vpdn-req-in)# vpdn_dialin.cfm
  !
!
description|VPDN group description|k/o/n||
  line|Up to 100 characters describing this VPDN group|lb/le/wa||
    <cr>||||
    !
  !
!
initiate-to|Tunnel server the tunnel is initiated to|k||
  ip|IP address of the tunnel server|k||
    a.b.c.d|Tunnel server address|k/o/n||
      <cr>||||
      !
      priority|Priority of this tunnel server|||
        <1-32767>|Priority|||
          <cr>||||
          !
        !
      !
    !
  !
!
local|Local settings|k||
  name|Local name of the tunnel|k/o/n||
    word|Tunnel name|||
      <cr>||||
      !
    !
  !
!
terminate-from|Tunnel initiator accepted by this group|k||
  hostname|Hostname of the tunnel initiator|k/o/n||
    word|Hostname|||
      <cr>||||
      !
    !
  !
!
source-ip|Source address of the tunnel|k/o/n||
  a.b.c.d|Source address|||
    <cr>||||
    !
  !
!
lcp|LCP settings|k||
  renegotiation|Renegotiate LCP at the tunnel server|k/o/n||
    #|when|||
      always|Always renegotiate||
      on-mismatch|Renegotiate when the parameters differ||
    #|||
      <cr>||||
      !
    !
  !
!
force-local-chap|Force a CHAP challenge at the tunnel server|k/o/sb||
  <cr>||||
  !
!
l2tp|L2TP settings|k||
  tunnel|L2TP tunnel settings|k||
    password|Tunnel authentication password|k/o/n||
      <0-7>|Encryption type (0=not yet encrypted)|||
        word|Password|||
          <cr>||||
          !
        !
      !
      word|Password|||
        <cr>||||
        !
      !
    !
    authentication|Authenticate the L2TP tunnel|k/o/sb||
      <cr>||||
      !
    !
    hello|Interval between hello keepalives|k/o/n||
      <0-1000>|Seconds|||
        <cr>||||
        !
      !
    !
  !
!
