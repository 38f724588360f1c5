async|Async interface
atm|ATM interface
bdi|Bridge-Domain interface
bvi|Bridge-Group Virtual Interface
cable|Cable interface
cellular|Cellular interface
crypto-engine|Crypto engine interface
dialer|Dialer interface
ethernet|IEEE 802.3
fastethernet|FastEthernet IEEE 802.3
fortygigabitethernet|40-Gigabit Ethernet interface
gigabitethernet|GigabitEthernet IEEE 802.3z
hundredgige|100-Gigabit Ethernet interface
loopback|Loopback interface
mgmtethernet|Management Ethernet interface
modular-cable|Modular cable interface
multilink|Multilink-group interface
null|Null interface
port-channel|Ethernet Channel of interfaces
serial|Serial interface
tengigabitethernet|Ten Gigabit Ethernet interface
tunnel|Tunnel interface
twentyfivegige|25-Gigabit Ethernet interface
twogigabitethernet|Two Gigabit Ethernet interface
vasileft|VRF-aware software infrastructure left interface
vasiright|VRF-aware software infrastructure right interface
virtual-template|Virtual Template interface
vlan|Catalyst Vlans
wideband-cable|Wideband cable interface
wlan-ap|Wireless LAN access point interface
wlan-gigabitethernet|Wireless LAN gigabit ethernet interface
