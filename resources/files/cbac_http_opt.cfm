// Shared: the options of an HTTP rule of the CBAC firewall, in any order.
<cr>||||
!
alert|Alert message|ob||
  #|state|oe||
    on|Turn on alert||
    off|Turn off alert||
  #|||
    <cr>||||
    !
  !
!
audit-trail|Audit trail|ob||
  #|state|oe||
    on|Turn on audit trail||
    off|Turn off audit trail||
  #|||
    <cr>||||
    !
  !
!
timeout|Inactivity timeout|ob||
  <5-43200>|Seconds|oe||
    <cr>||||
    !
  !
!
java-list|Java applet filter|ob||
  <1-99>|Standard IP access list|oe||
    <cr>||||
    !
  !
  <1300-1999>|Standard IP access list (expanded range)|oe||
    <cr>||||
    !
  !
!
