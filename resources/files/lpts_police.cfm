// LPTS policer mode.
flow|Flow type|k||
  line|flow and rate|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
