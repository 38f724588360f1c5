// "ipv6 nd prefix PREFIX": valid and preferred lifetimes, then the flags
// in any order (or the flags alone).
#|valid lifetime|o/n||
  <0-4294967295>|Valid Lifetime (secs)||
  infinite|Infinite Valid Lifetime||
#|||
  #|preferred lifetime|||&ipv6_nd_prefix_flags.cfm
    <0-4294967295>|Preferred Lifetime (secs)||
    infinite|Infinite Preferred Lifetime||
  #|||
  !
!
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
