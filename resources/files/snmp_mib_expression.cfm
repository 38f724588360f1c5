// SNMP expression MIB mode "(config-expression)#".
#|setting|k/o/n||
  expression|Expression||
  description|Description||
  delta|Delta interval||
  value|Value type||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
