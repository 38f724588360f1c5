// "ip nat pool NAME START END netmask M" (or prefix-length): the options.
<cr>||||
!
type|Specify the pool type|ob||
  #|type|oe||
    match-host|Keep the host number after translation||
    rotary|Rotary address pool||
  #|||
    <cr>||||
    !
  !
!
add-route|Add a route for the pool|ob/oe||
  <cr>||||
  !
!
accounting|Accounting method list|ob||
  word|Method list name|oe||
    <cr>||||
    !
  !
!
arp-ping|Ping before assigning an address|ob/oe||
  <cr>||||
  !
!
