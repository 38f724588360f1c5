// Shared: the options of a CBAC firewall rule, in any order.
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
