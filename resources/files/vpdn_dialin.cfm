// VPDN accept-dialin and request-dialin modes.
protocol|Tunneling protocol|k/o/n||
  #|protocol|||
    any|Any tunneling protocol||
    l2f|Layer 2 Forwarding||
    l2tp|Layer 2 Tunneling Protocol||
    pppoe|PPP over Ethernet||
    pptp|Point-to-Point Tunneling Protocol||
  #|||
    <cr>||||
    !
  !
!
virtual-template|Virtual template interface to clone from|k/o/n||
  <1-4095>|Virtual template number|||
    <cr>||||
    !
  !
!
domain|Domain name of the users tunneled|k||
  word|Domain name|k/n||
    <cr>||||
    !
  !
!
dnis|DNIS number of the users tunneled|k||
  word|DNIS number or DNIS group name|k/n||
    <cr>||||
    !
  !
!
