// QoS decode map mode.
#|value kind|k||
  dscp-value|DSCP values||
  pcp-value|PCP values||
  cos-value|CoS values||
#|||
  line|values and mapping|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
