interface|select an interface to configure|k||
&interfacefile.cfm|interface name|k||
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
line|configure a terminal line|k||
<cr>|||@(config-line)# if.cfm
!
!
hostname|set system's network name|k/o||
<word>|this system's network name|||
<cr>|||
!
!
!
