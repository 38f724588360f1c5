// IP SLA entry mode "(config-ip-sla)#": the operation type enters its own mode.
icmp-echo|ICMP Echo Operation|k/o/n||
  hostname or a.b.c.d|Destination IP address or hostname|||
    <cr>||||@(config-ip-sla-echo)# ip_sla_echo.cfm
    !
    #|source option|||
      source-interface|Source Interface (ingress icmp packet interface)||
      source-ip|Source Address||
    #|||
      a.b.c.d|Source address|||
        <cr>||||@(config-ip-sla-echo)# ip_sla_echo.cfm
        !
      !
      &interfacefile.cfm|Interface type|k||
        <slot/port>|interface number|n||
          <cr>||||@(config-ip-sla-echo)# ip_sla_echo.cfm
          !
        !
      !
    !
  !
!
udp-jitter|UDP Jitter Operation|k/o/n||
  line|destination, port and options|lb/le/wa||
    <cr>||||@(config-ip-sla-jitter)# ip_sla_echo.cfm
    !
  !
!
tcp-connect|TCP Connect Operation|k/o/n||
  line|destination, port and options|lb/le/wa||
    <cr>||||@(config-ip-sla-tcp)# ip_sla_echo.cfm
    !
  !
!
dns|DNS Query Operation|k/o/n||
  word|Host name to resolve|||
    name-server|Name server to query|||
      a.b.c.d|Name server address|||
        <cr>||||@(config-ip-sla-dns)# ip_sla_echo.cfm
        !
        line|source address and port options|lb/le/wa||
          <cr>||||@(config-ip-sla-dns)# ip_sla_echo.cfm
          !
        !
      !
    !
  !
!
http|HTTP Operation|k/o/n||
  #|operation|||
    get|HTTP get operation||
    raw|HTTP raw operation||
  #|||
    word|URL of the page|||
      <cr>||||@(config-ip-sla-http)# ip_sla_echo.cfm
      !
      line|name server, version, source and proxy options|lb/le/wa||
        <cr>||||@(config-ip-sla-http)# ip_sla_echo.cfm
        !
      !
    !
  !
!
udp-echo|UDP Echo Operation|k/o/n||
  hostname or a.b.c.d|Destination IP address or hostname|||
    <1-65535>|Destination port|||
      <cr>||||@(config-ip-sla-udp)# ip_sla_echo.cfm
      !
      line|source address, port and control options|lb/le/wa||
        <cr>||||@(config-ip-sla-udp)# ip_sla_echo.cfm
        !
      !
    !
  !
!
