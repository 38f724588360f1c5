// "snmp-server host ADDRESS" after the message type: [vrf] [informs or traps] [version]
// community, then [udp-port] and the notification types.
version|SNMP version to use for notification messages|||
  #|version|||&snmp_host4.cfm
    1|Use SNMPv1||
    2c|Use SNMPv2c||
  #|||
  !
  3|Use SNMPv3|||
    #|security level|||&snmp_host4.cfm
      auth|Use the SNMPv3 authNoPriv Security Level||
      noauth|Use the SNMPv3 noAuthNoPriv Security Level||
      priv|Use the SNMPv3 authPriv Security Level||
    #|||
    !
  !
!
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
