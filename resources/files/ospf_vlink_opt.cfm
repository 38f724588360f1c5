// "area ID virtual-link ROUTER-ID": the parameters, in any order.
<cr>||||
!
authentication|Set authentication type|ob/oe||
  <cr>||||
  !
  #|type|oe||
    message-digest|Use message-digest authentication||
    null|Use null authentication||
  #|||
    <cr>||||
    !
  !
!
authentication-key|Set authentication key|ob||
  <0-7>|Encryption type|||
    word|The authentication key (8 characters)|oe||
      <cr>||||
      !
    !
  !
  word|The authentication key (8 characters)|oe||
    <cr>||||
    !
  !
!
message-digest-key|Set message digest key|ob||
  <1-255>|Key ID|||
    md5|Use MD5 algorithm|||
      <0-7>|Encryption type|||
        word|The OSPF password (16 characters)|oe||
          <cr>||||
          !
        !
      !
      word|The OSPF password (16 characters)|oe||
        <cr>||||
        !
      !
    !
  !
!
hello-interval|Hello packet interval|ob||
  <1-8192>|Seconds|oe||
    <cr>||||
    !
  !
!
dead-interval|Dead router detection time|ob||
  <1-8192>|Seconds|oe||
    <cr>||||
    !
  !
!
retransmit-interval|LSA retransmit interval|ob||
  <1-8192>|Seconds|oe||
    <cr>||||
    !
  !
!
transmit-delay|LSA transmission delay|ob||
  <1-8192>|Seconds|oe||
    <cr>||||
    !
  !
!
ttl-security|TTL security check|ob||
  hops|IP hops|||
    <1-254>|maximum number of IP hops allowed|oe||
      <cr>||||
      !
    !
  !
!
