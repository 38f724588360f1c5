// VRRP address family mode.
#|setting|k/o/n||
  address|Address||
  priority|Priority||
  preempt|Preempt||
  timers|Timers||
  description|Description||
  track|Track||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
