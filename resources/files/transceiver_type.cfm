// Transceiver type mode.
monitoring|Enable monitoring|k/o/sb||
  <cr>||||
  !
  line|interval|lb/le/wa||
    <cr>||||
    !
  !
!
