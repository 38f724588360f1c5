// The options of "ntp broadcast" and "ntp multicast" on an interface.
<cr>||||
!
key|Broadcast or multicast authentication key|ob||
  <1-4294967295>|Key number|oe||
    <cr>||||
    !
  !
!
ttl|TTL of the multicast packets|ob||
  <1-255>|TTL|oe||
    <cr>||||
    !
  !
!
version|NTP version|ob||
  <1-4>|NTP version number|oe||
    <cr>||||
    !
  !
!
