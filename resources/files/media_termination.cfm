// Media termination mode.
address|Address|k||
  a.b.c.d|IP address|k/n||
    line|interface|lb/le/wa/o/n||
      <cr>||||
      !
    !
  !
!
