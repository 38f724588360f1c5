// "distance ospf": the distances per route type, in any order.
intra-area|Intra-area routes|ob||
  <1-255>|Distance for intra-area routes|oe||
    <cr>||||
    !
  !
!
inter-area|Inter-area routes|ob||
  <1-255>|Distance for inter-area routes|oe||
    <cr>||||
    !
  !
!
external|External type 5 and type 7 routes|ob||
  <1-255>|Distance for external type 5 and type 7 routes|oe||
    <cr>||||
    !
  !
!
