// TLS proxy mode.
#|setting|k/o/n||
  server|Server settings||
  client|Client settings||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
