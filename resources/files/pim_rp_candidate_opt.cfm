// Shared: the options of a PIM candidate RP, in any order.
<cr>||||
!
group-list|Group access list|ob||
  word|Access list name or number|oe||
    <cr>||||
    !
  !
!
priority|RP candidate priority|ob||
  <0-255>|Priority|oe||
    <cr>||||
    !
  !
!
bidir|Group range treated in bidirectional shared-tree mode|ob/oe||
  <cr>||||
  !
!
