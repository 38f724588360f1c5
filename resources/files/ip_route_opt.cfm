// Shared: the options of a static route, in any order.
<cr>||||
!
<1-255>|Distance metric for this route|ob/oe||
  <cr>||||
  !
!
name|Specify name of the next hop|ob||
  word|Name of the next hop|oe||
    <cr>||||
    !
  !
!
tag|Set tag for this route|ob||
  <1-4294967295>|Tag value|oe||
    <cr>||||
    !
  !
!
permanent|permanent route|ob/oe||
  <cr>||||
  !
!
track|Install route depending on tracked item|ob||
  <1-1000>|tracked object number|oe||
    <cr>||||
    !
  !
!
global|Next hop address is global|ob/oe||
  <cr>||||
  !
!
