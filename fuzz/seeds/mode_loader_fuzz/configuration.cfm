hostname|set system's network name|k/o||
word|this system's network name||
<cr>|end||
!
!
!
interface|select an interface to configure|k||
&interfacefile.cfm|interface type|k||
<number>|interface number|k||
<cr>|end||@(config-if)# interface.cfm
!
!
!
!
ip|global ip configuration subcommands||
route|establish static routes|k||
<a.b.c.d>|destination prefix|k||
<a.b.c.d>|destination prefix mask|k||
<a.b.c.d>|forwarding router's address||
<cr>|end||
!
!
!
!
!
!
ipv6|global ipv6 configuration subcommands||
<cr>|end||
!
!
logging|modify message logging facilities, the destination host and the level of the messages sent to it||
<a.b.c.d>|ip address of the logging host||
<cr>|end||
!
!
!
login|enable secure login checking||
<cr>|end||
!
!
banner|define a login banner||
motd|set message of the day banner||
line|c banner-text c, where 'c' is a delimiting character|lb/le||
<cr>|end||
!
!
!
!
^c|end of a banner text||
<cr>|end||
!
!
router|enable a routing process||
bgp|border gateway protocol (bgp)|k||
<1-4294967295>|autonomous system number|k||
<cr>|end||@(config-router)# router.cfm
!
!
!
!
delay|adjust delay||
+/-<delay>|delay offset||
<cr>|end||
!
!
!
metric|adjust metric||
+/-<metric>|metric offset||
<cr>|end||
!
!
!
name-server|specify address of name server|mb|ip|
<a.b.c.d>|server address||
<cr>|end||
!
!
!
domain|define the default domain name|rp|ip domain-name|
word|default domain name||
<cr>|end||
!
!
!
#|clock settings||
clock|manage the system clock||
calendar|manage the hardware calendar||
#|
set|set the time||
<cr>|end||
!
!
!
