// "offset-list": access list, direction, offset, and an optional interface.
#|access list|k||
  <0-99>|Access list of networks to apply offset (0 selects all networks)||
  <1300-1999>|Access list of networks to apply offset (expanded range)||
  word|Access-list name||
#|||
  #|direction|k||
    in|Perform offset on incoming updates||
    out|Perform offset on outgoing updates||
  #|||
    <0-2147483647>|Offset|k/o/n||
      <cr>||||
      !
      &interfacefile.cfm|Interface type|k||
        <slot/port>|Interface number|k/o/n||
          <cr>||||
          !
        !
      !
    !
  !
!
