// Address pool mode "(config-pool)#".
address-range|Address range|k||
  a.b.c.d|First address|k/n||
    a.b.c.d|Last address|k/n||
      <cr>||||
      !
    !
  !
!
