// Interface layer 2 transport mode.
propagate|Propagate|k||
  line|what|lb/le/wa/k/o/sb||
    <cr>||||
    !
  !
!
