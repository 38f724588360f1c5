// NetFlow aggregation cache mode.
enabled|Enable the aggregation cache|k/o/sb||
  <cr>||||
  !
!
#|setting|k/o/n||
  cache|Cache settings||
  export|Export settings||
  mask|Mask settings||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
