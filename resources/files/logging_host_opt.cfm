// Shared: the options of a syslog host, in any order.
<cr>||||
!
transport|Set the transport protocol|ob||
  #|Transport protocol|oe||
    udp|UDP transport||
    tcp|TCP transport||
    beep|BEEP transport||
  #|||
    <cr>||||
    !
    port|Set the port number|||
      <1-65535>|Port number|oe||
        <cr>||||
        !
      !
    !
  !
!
vrf|Set VRF option|ob||
  word|VPN Routing/Forwarding instance name|oe||
    <cr>||||
    !
  !
!
discriminator|Establish MD-Server association|ob||
  word|discriminator name|oe||
    <cr>||||
    !
  !
!
sequence-num-session|Include session sequence number tag in syslog message|ob/oe||
  <cr>||||
  !
!
session-id|Include session ID tag in syslog message|ob||
  line|session id option|lb/le/wa/oe||
    <cr>||||
    !
  !
!
filtered|Enable filtered logging|ob/oe||
  <cr>||||
  !
!
xml|Enable logging in XML|ob/oe||
  <cr>||||
  !
!
