// The options of an IPv6 static route, in any order.
<cr>||||
!
<1-254>|Administrative distance|ob/oe||
  <cr>||||
  !
!
tag|Tag value|ob||
  <1-4294967295>|Tag value|oe||
    <cr>||||
    !
  !
!
name|Specify name of the next hop|ob||
  word|Name of the next hop|oe||
    <cr>||||
    !
  !
!
multicast|Route only usable by multicast|ob/oe||
  <cr>||||
  !
!
unicast|Route only usable by unicast|ob/oe||
  <cr>||||
  !
!
permanent|Permanent route|ob/oe||
  <cr>||||
  !
!
track|Install route depending on tracked item|ob||
  <1-1000>|tracked object number|oe||
    <cr>||||
    !
  !
!
