aaa_server|Allow SNMP AAA traps
adslline|Allow SNMP ADSL line traps
atm|Allow SNMP atm traps
auth-framework|Allow SNMP CISCO-AUTH-FRAMEWORK-MIB traps
bfd|Allow SNMP BFD traps
bgp|Allow SNMP BGP traps
bridge|Allow SNMP STP Bridge MIB traps
bulkstat|Allow SNMP bulkstat traps
call-home|Allow SNMP CISCO-CALLHOME-MIB traps
cef|Allow SNMP CEF traps
cnpd|Allow SNMP NBAR Protocol Discovery traps
config|Allow SNMP config traps
config-copy|Allow SNMP config-copy traps
config-ctid|Allow SNMP config-ctid traps
cpu|Allow cpu related traps
dhcp|Allow DHCP traps
dlsw|Allow dlsw traps
ds1|Allow SNMP DS1 traps
ds3|Allow SNMP DS3 traps
eigrp|Allow SNMP EIGRP traps
energywise|Allow SNMP energywise traps
entity|Allow SNMP entity traps
entity-diag|Allow SNMP CISCO-ENTITY-DIAG-MIB traps
entity-sensor|Allow SNMP entity sensor traps
entity-state|Allow SNMP entity state traps
envmon|Allow environmental monitor traps
errdisable|Allow errdisable notifications
ether-oam|Allow SNMP ethernet oam traps
ethernet|Allow SNMP Ethernet traps
event-manager|Allow SNMP Embedded Event Manager traps
flash|Allow SNMP FLASH traps
flowmon|Allow SNMP flow monitor notifications
frame-relay|Allow SNMP frame-relay traps
fru-ctrl|Allow SNMP entity FRU control traps
hsrp|Allow SNMP HSRP traps
ike|Allow SNMP ike traps
ipmulticast|Allow SNMP ipmulticast traps
ipsec|Allow SNMP ipsec traps
ipsla|Allow SNMP Host IP SLA traps
isis|Allow SNMP isis traps
l2tun|Allow SNMP L2 tunnel protocol traps
license|Allow license traps
lisp|Allow SNMP LISP traps
mac-notification|Allow SNMP MAC Notification Traps
memory|Allow SNMP Memory traps
mpls|Allow SNMP MPLS traps
msdp|Allow SNMP MSDP traps
mvpn|Allow Multicast Virtual Private Network traps
netsync|Allow SNMP netsync traps
nhrp|Allow SNMP NHRP traps
ospf|Allow OSPF traps
ospfv3|Allow OSPFv3 traps
otn|Allow SNMP OTN traps
pim|Allow SNMP PIM traps
pimstdmib|Allow SNMP PIM standard MIB traps
pki|Allow SNMP PKI traps
port-security|Allow SNMP port-security traps
power-ethernet|Allow SNMP power ethernet traps
pw|Allow SNMP pseudowire traps
rep|Allow SNMP Resilient Ethernet Protocol traps
resource-policy|Allow CISCO-ERM-MIB notifications
rf|Allow all SNMP traps defined in CISCO-RF-MIB
rsvp|Allow RSVP flow change traps
smart-license|Allow smart license traps
snmp|Allow SNMP-type notifications
sonet|Allow SNMP SONET traps
stackwise|Allow SNMP stackwise traps
stpx|Allow SNMP STPX MIB traps
syslog|Allow SNMP syslog traps
transceiver|Allow SNMP transceiver traps
tty|Allow TCP connection traps
udld|Allow SNMP UDLD traps
vdsl2line|Allow SNMP VDSL2 line traps
vlan-membership|Allow SNMP VLAN membership traps
vlancreate|Allow SNMP VLAN created traps
vlandelete|Allow SNMP VLAN deleted traps
vrfmib|Allow vrfmib traps
vrrp|Allow SNMP vrrp traps
vstack|Allow SNMP Smart Install traps
vtp|Allow SNMP VTP traps
