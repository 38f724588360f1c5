// A list of interfaces of a route-map "set ... interface".
&interfacefile.cfm|Interface type|lb||
  <slot/port>|Interface number|le/wa||
    <cr>||||
    !
  !
!
