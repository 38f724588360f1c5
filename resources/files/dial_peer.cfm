// Dial peer mode "(config-dial-peer)#", for POTS and VoIP peers.
codec|The codec rate to be attempted in getting to this peer|k/o/n||
  #|codec|||
    g711alaw|G.711 A-law 64000 bps||
    g711ulaw|G.711 u-law 64000 bps||
    g722-64|G.722 64000 bps||
    clear-channel|Clear channel 64000 bps||
  #|||
    <cr>||||
    !
    bytes|Voice payload size|||
      #|bytes|||
        80|80 bytes||
        160|160 bytes||
        240|240 bytes||
      #|||
        <cr>||||
        !
      !
    !
  !
  #|codec|||
    g723ar53|G.723.1 ANNEX-A 5300 bps||
    g723ar63|G.723.1 ANNEX-A 6300 bps||
    g723r53|G.723.1 5300 bps||
    g723r63|G.723.1 6300 bps||
    g726r16|G.726 16000 bps||
    g726r24|G.726 24000 bps||
    g726r32|G.726 32000 bps||
    g728|G.728 16000 bps||
    g729br8|G.729 ANNEX-B 8000 bps||
    g729r8|G.729 8000 bps||
    ilbc|iLBC||
    isac|iSAC||
    gsmamr-nb|GSM AMR-NB||
    opus|Opus||
    transparent|Use the endpoint codec||
  #|||
    <cr>||||
    !
  !
!
description|Dial peer specific description|k/o/n||
  line|Up to 64 characters describing this dial peer|lb/le/wa||
    <cr>||||
    !
  !
!
destination-pattern|A full E.164 telephone number prefix|k/o/n||
  word|Digit pattern, for example 1... or 9T|||
    <cr>||||
    !
  !
!
direct-inward-dial|Direct inward dialing|k/o/sb||
  <cr>||||
  !
!
dtmf-relay|Transport of DTMF digits|k/o/n||
  #|method|lb/le/wa||
    cisco-rtp|Cisco proprietary RTP||
    h245-alphanumeric|DTMF relay through H.245 alphanumeric IE||
    h245-signal|DTMF relay through H.245 signal IE||
    rtp-nte|RTP named telephone event||
    sip-info|SIP INFO messages||
    sip-kpml|SIP KPML messages||
    sip-notify|SIP NOTIFY messages||
  #|||
    <cr>||||
    !
  !
!
forward-digits|Number of digits to forward to the port|k/o/n||
  <0-32>|Number of digits|||
    <cr>||||
    !
  !
  #|digits|||
    all|Forward all digits||
    extra|Forward only the digits beyond the pattern||
  #|||
    <cr>||||
    !
  !
!
huntstop|Stop hunting on dial peers|k/o/sb||
  <cr>||||
  !
!
incoming|Incoming call matching|k||
  called-number|Incoming called number|k/o/n||
    word|Digit pattern|||
      <cr>||||
      !
    !
  !
!
answer-address|The calling number this peer answers|k/o/n||
  word|Digit pattern|||
    <cr>||||
    !
  !
!
port|The voice port of this peer|k/o/n||
  <slot/port>|Voice port|||
    <cr>||||
    !
  !
!
preference|Preference order of this dial peer|k/o/n||
  <0-10>|Preference|||
    <cr>||||
    !
  !
!
prefix|Digits to dial before the number|k/o/n||
  word|Prefix digits|||
    <cr>||||
    !
  !
!
session|The session protocol, target and transport of this peer|k||
  protocol|The session protocol to be used in getting to this peer|k/o/n||
    #|protocol|||
      cisco|Cisco session protocol||
      sipv2|IETF Session Initiation Protocol||
      multicast|Multicast session protocol||
    #|||
      <cr>||||
      !
    !
  !
  target|The session target for this peer|k/o/n||
    #|target|||
      dhcp|Provision the target through DHCP||
      registrar|Provision the target through registration||
      sip-server|The SIP server of the SIP user agent||
    #|||
      <cr>||||
      !
    !
    word|ipv4:A.B.C.D[:port], ipv6:[X:X::X][:port] or dns:NAME|||
      <cr>||||
      !
    !
  !
  transport|The transport for this peer|k/o/n||
    #|transport|||
      tcp|TCP||
      udp|UDP||
      system|The transport of the SIP user agent||
    #|||
      <cr>||||
      !
    !
  !
!
shutdown|Take the dial peer out of service|k/o/sb||
  <cr>||||
  !
!
vad|Voice activity detection|k/o/sb||
  <cr>||||
  !
  aggressive|Aggressive noise threshold|||
    <cr>||||
    !
  !
!
