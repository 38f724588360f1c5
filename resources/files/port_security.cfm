// Port security mode.
#|setting|k/o/sb||
  age|Age||
  delete-dynamic-learn|Delete dynamically learned addresses||
  maximum|Maximum number of addresses||
  violation|Violation action||
#|||
  <cr>||||
  !
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
secure-mac-address|Secure MAC address|k||
  line|MAC address and VLAN|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
