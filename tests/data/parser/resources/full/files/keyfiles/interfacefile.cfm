FastEthernet|Fast Ethernet IEEE 802.3
gigabitethernet|GigabitEthernet IEEE 802.3z|extra field

loopback
<0-9>|port number
||
|leading|empty
