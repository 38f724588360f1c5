// Shared: the options of an interface's IPv6 DHCP server, in any order.
<cr>||||
!
rapid-commit|Allow two-message exchange|ob/oe||
  <cr>||||
  !
!
preference|Server preference|ob||
  <0-255>|Preference value|oe||
    <cr>||||
    !
  !
!
allow-hint|Allow the prefix hint of the client|ob/oe||
  <cr>||||
  !
!
