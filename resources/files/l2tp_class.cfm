// L2TP class mode.
authentication|Authentication|k/o/sb||
  <cr>||||
  !
!
#|setting|k/o/n||
  hello|Hello interval||
  password|Password||
  receive-window|Receive window||
  retransmit|Retransmit||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
