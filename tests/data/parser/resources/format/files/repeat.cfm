ip|first help|k||
address|set address|||
!
!
Ip|second help|o|argx|@(ip)# ipsub.cfm
route|set route|||
!
!
