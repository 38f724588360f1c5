// Time range mode "(config-time-range)#".
absolute|absolute time and date|k/o/n||
  line|start and end|lb/le/wa||
    <cr>||||
    !
  !
!
periodic|periodic time and date|k||
  line|days and times|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
