// Satellite fabric link mode.
remote-ports|Remote ports|k/o/n||
  line|ports|lb/le/wa||
    <cr>||||
    !
  !
!
