// Load balancing profile mode.
#|setting|k/o/sb||
  distribution|Distribution||
  fields|Fields||
  hash|Hash||
#|||
  <cr>||||
  !
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
