// IP SLA monitor entry mode "(config-sla-monitor)#": the operation type
// enters the operation's mode, whose settings are those of an IP SLA operation.
type|Type of the entry|k/o/n||
  echo|Echo operation|||
    protocol|Protocol of the operation|||
      ipIcmpEcho|ICMP echo|||
        hostname or a.b.c.d|Destination IP address or hostname|||
          <cr>||||@(config-sla-monitor-echo)# ip_sla_echo.cfm
          !
          source-ipaddr|Source address|||
            a.b.c.d|Source address|||
              <cr>||||@(config-sla-monitor-echo)# ip_sla_echo.cfm
              !
            !
          !
          source-interface|Source interface|||
            &interfacefile.cfm|Interface type|||
              <slot/port>|Interface number|||
                <cr>||||@(config-sla-monitor-echo)# ip_sla_echo.cfm
                !
              !
            !
          !
        !
      !
    !
  !
!
