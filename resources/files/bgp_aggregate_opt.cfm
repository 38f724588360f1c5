// "aggregate-address": the options, in any order.
<cr>||||
!
as-set|Generate AS set path information|ob/oe||
  <cr>||||
  !
!
as-confed-set|Generate AS confed set path information|ob/oe||
  <cr>||||
  !
!
summary-only|Filter more specific routes from updates|ob/oe||
  <cr>||||
  !
!
advertise-map|Set condition to advertise attribute|ob||
  word|Route map to control attribute advertisement|oe||
    <cr>||||
    !
  !
!
attribute-map|Set attributes of aggregate|ob||
  word|Route map for parameter control|oe||
    <cr>||||
    !
  !
!
route-map|Set parameters of aggregate|ob||
  word|Route map for parameter control|oe||
    <cr>||||
    !
  !
!
suppress-map|Conditionally filter more specific routes from updates|ob||
  word|Route map for suppression|oe||
    <cr>||||
    !
  !
!
