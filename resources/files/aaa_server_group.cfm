// AAA server group mode "(config-sg)#" (tacacs+, radius and ldap groups).
server|Specify a server|k||
  a.b.c.d|IP address of server|k/n||&radius_port_opt.cfm
  !
  name|Name of the server|k||
    word|Server name|k/n||
      <cr>||||
      !
    !
  !
!
server-private|Define a private server|k||
  hostname or a.b.c.d|IP address of the server|k/o/n||
    <cr>||||
    !
    line|port, timeout and key|lb/le/wa||
      <cr>||||
      !
    !
  !
!
ip|Internet Protocol config commands|k||
  #|setting|k||
    tacacs|TACACS+ settings||
    radius|RADIUS settings||
  #|||
    source-interface|Interface for source address|k/o/n||
      &interfacefile.cfm|Interface type|k||
        <slot/port>|interface number|n||
          <cr>||||
          !
        !
      !
    !
  !
  vrf|VPN Routing/Forwarding parameters|k||
    forwarding|Configure forwarding table|k/o/n||
      word|VRF name|||
        <cr>||||
        !
      !
    !
  !
!
deadtime|Specify time in minutes to ignore an unresponsive server|k/o/n||
  <0-1440>|Deadtime in minutes|||
    <cr>||||
    !
  !
!
