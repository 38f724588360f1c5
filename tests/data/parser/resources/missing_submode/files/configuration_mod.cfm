hostname|set system's network name|k/o||
<word>|this system's network name|||
<cr>|||
!
!
!
interface|select an interface to configure|k||
<word>|interface name|||
<cr>|||@(config-if)# not_there.cfm
!
!
!
