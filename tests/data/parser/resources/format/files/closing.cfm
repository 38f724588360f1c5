ip|global ip configuration|k||
address|set an address|||
!
route|set a route|||
!
!
hostname|set the name|k||
!
!
!
logging|log things|||
