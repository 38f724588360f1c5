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
