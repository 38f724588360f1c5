// "network" of BGP: the route map, or the backdoor mark.
<cr>||||
!
route-map|Route-map to modify the attributes|||
  word|Name of the route map|||
    <cr>||||
    !
  !
!
backdoor|Specify a BGP backdoor route|||
  <cr>||||
  !
!
