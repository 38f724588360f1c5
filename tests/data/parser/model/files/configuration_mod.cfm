hostname|set system's network name|k/o/n||
<word>|this system's network name|||
<cr>|||
!
!
!
boot|boot commands|k||
system|system image to boot|k||
<word>|image file name|cf||
<cr>|||
!
!
!
!
ip|global ip configuration subcommands|k||
domain-lookup|enable domain name lookup|k/sn/n||
<cr>|||
!
!
name-server|specify address of name server|k/m||
<a.b.c.d>|server address|m/lb/le||
<cr>|||
!
!
!
route|establish static routes|k||
<a.b.c.d>|destination prefix|k||
<a.b.c.d>|destination prefix mask|k||
<a.b.c.d>|forwarding router's address|k||
<cr>|||
!
!
!
!
!
!
logging|logging host|k||
<a.b.c.d>|ip address of the logging host|n||
<cr>|||
!
!
!
interface|select an interface to configure|k||
<word>|interface name|k||
<cr>|||@(config-if)# if.cfm
!
!
!
router|enable a routing process|k||
ospf|open shortest path first|k||
<1-65535>|process id|k||
<cr>|||@(config-router)# router.cfm
!
!
!
!
