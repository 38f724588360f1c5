// Link aggregation group mode.
deploy|Deploy the LAG|k/o/sb||
  <cr>||||
  !
!
#|setting|k/o/n||
  lacp-timeout|LACP timeout||
  primary-port|Primary port||
  ports|Ports||
  port-name|Port name||
  physical-port|Physical port||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
