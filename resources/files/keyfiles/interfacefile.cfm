appgigabitethernet|Application hosting Gigabit Ethernet interface|AppGigabitEthernet
async|Async interface|Async
atm|ATM interface|ATM
bdi|Bridge-Domain interface|BDI
bvi|Bridge-Group Virtual Interface|BVI
cable|Cable interface|Cable
cellular|Cellular interface|Cellular
crypto-engine|Crypto engine interface|Crypto-Engine
dialer|Dialer interface|Dialer
dot11radio|802.11 radio interface|Dot11Radio
embedded-service-engine|Cisco embedded service engine module interface|Embedded-Service-Engine
ethernet|IEEE 802.3|Ethernet
fastethernet|FastEthernet IEEE 802.3|FastEthernet
fiftygige|50-Gigabit Ethernet interface|FiftyGigE
fivegigabitethernet|Five Gigabit Ethernet interface|FiveGigabitEthernet
fortygigabitethernet|40-Gigabit Ethernet interface|FortyGigabitEthernet
gigabitethernet|GigabitEthernet IEEE 802.3z|GigabitEthernet
hundredgige|100-Gigabit Ethernet interface|HundredGigE
loopback|Loopback interface|Loopback
mgmtethernet|Management Ethernet interface|MgmtEthernet
modular-cable|Modular cable interface|Modular-Cable
multilink|Multilink-group interface|Multilink
null|Null interface|Null
nve|Network virtualization endpoint interface|nve
port-channel|Ethernet Channel of interfaces|Port-channel
serial|Serial interface|Serial
tengigabitethernet|Ten Gigabit Ethernet interface|TenGigabitEthernet
tunnel|Tunnel interface|Tunnel
twentyfivegige|25-Gigabit Ethernet interface|TwentyFiveGigE
twogigabitethernet|Two Gigabit Ethernet interface|TwoGigabitEthernet
vasileft|VRF-aware software infrastructure left interface|vasileft
vasiright|VRF-aware software infrastructure right interface|vasiright
virtual-template|Virtual Template interface|Virtual-Template
vlan|Catalyst Vlans|Vlan
wideband-cable|Wideband cable interface|Wideband-Cable
wlan-ap|Wireless LAN access point interface|Wlan-ap
wlan-gigabitethernet|Wireless LAN gigabit ethernet interface|Wlan-GigabitEthernet
