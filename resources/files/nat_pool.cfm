// NAT pool mode "(config-ipnat-pool)#".
address|Range of addresses|k||
  a.b.c.d|First IP address|k/n||
    a.b.c.d|Last IP address|k/n||
      <cr>||||
      !
    !
  !
!
