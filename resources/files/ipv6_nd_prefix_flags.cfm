// The flags of an "ipv6 nd prefix" advertisement, in any order.
<cr>||||
!
no-advertise|Do not advertise prefix|ob/oe||
  <cr>||||
  !
!
no-autoconfig|Do not use prefix for autoconfiguration|ob/oe||
  <cr>||||
  !
!
no-onlink|Do not use prefix for onlink determination|ob/oe||
  <cr>||||
  !
!
no-rtr-address|Do not send full router address in prefix advert|ob/oe||
  <cr>||||
  !
!
off-link|Do not use prefix for onlink determination|ob/oe||
  <cr>||||
  !
!
