ethernet|ieee 802.3
fastethernet|fastethernet ieee 802.3
loopback|loopback interface
serial|serial
