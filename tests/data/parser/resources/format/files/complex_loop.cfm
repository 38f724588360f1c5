#|cx|lb||
alpha|a||
beta|b||
#|
x|x|le||
beta|reopened through the loop|||
!
!
!
