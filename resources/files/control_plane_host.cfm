// Control plane host mode "(config-cp-host)#".
management-interface|Management interface and the protocols it allows|k||
  &interfacefile.cfm|Interface type|k||
    <slot/port>|Interface number|k/o/n||
      allow|Protocols allowed on the interface|||
        #|protocol|lb/le/wa||
          beep|BEEP||
          ftp|FTP||
          http|HTTP||
          https|HTTPS||
          snmp|SNMP||
          ssh|SSH||
          telnet|Telnet||
          tftp|TFTP||
          tl1|TL1||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
!
