address|addr|||
!
route|route|||
!
[vrf|optional vrf|||
!
mtu|size|ob||
!
#|cx||
x1|x one||
#|
!
