// Shared: the options of an NTP server or peer, in any order.
<cr>||||
!
key|Configure peer authentication key|ob||
  <0-4294967295>|Peer key number|oe||
    <cr>||||
    !
  !
!
prefer|Prefer this peer when possible|ob/oe||
  <cr>||||
  !
!
source|Interface for source address|ob||
  &interfacefile.cfm|Interface type|||
    <slot/port>|Interface number|oe||
      <cr>||||
      !
    !
  !
!
version|Configure NTP version|ob||
  <1-4>|NTP version number|oe||
    <cr>||||
    !
  !
!
burst|Use burst mode|ob/oe||
  <cr>||||
  !
!
iburst|Use initial burst mode|ob/oe||
  <cr>||||
  !
!
maxpoll|Maximum poll interval|ob||
  <4-17>|Maximum interval in log2 seconds|oe||
    <cr>||||
    !
  !
!
minpoll|Minimum poll interval|ob||
  <4-17>|Minimum interval in log2 seconds|oe||
    <cr>||||
    !
  !
!
