// "snmp-server host ADDRESS" after the version: [vrf] [informs or traps] [version]
// community, then [udp-port] and the notification types.
word|SNMPv1/v2c community string or SNMPv3 user name|o/n||
  <cr>||||
  !
  udp-port|The notification host's UDP port number|||
    <0-65535>|The notification host's UDP port number|||
      <cr>||||
      !
      &snmptraps.cfm|Notification type|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  &snmptraps.cfm|Notification type|lb/le/wa||
    <cr>||||
    !
  !
!
