// Tracked object mode "(config-track)#".
default-state|Default state|k/o/n||
  word|State|||
    <cr>||||
    !
  !
!
delay|Tracking delay|k/o/n||
  line|up and down delays|lb/le/wa||
    <cr>||||
    !
  !
!
