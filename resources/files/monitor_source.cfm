// The ports or VLANs of a SPAN session source, then the direction.
interface|SPAN source interface|k||
  &interfacefile.cfm|Interface type|k||
    <slot/port>|Interface number|k/n||
      <cr>||||
      !
      #|direction|o/n||
        both|Monitor received and transmitted traffic||
        rx|Monitor received traffic only||
        tx|Monitor transmitted traffic only||
      #|||
        <cr>||||
        !
      !
    !
  !
!
vlan|SPAN source VLAN|k||
  word|VLAN list, example 1,3-5,7|k/n||
    <cr>||||
    !
    #|direction|o/n||
      both|Monitor received and transmitted traffic||
      rx|Monitor received traffic only||
      tx|Monitor transmitted traffic only||
    #|||
      <cr>||||
      !
    !
  !
!
remote|SPAN source remote|k||
  vlan|Remote SPAN source VLAN|k||
    <1-4094>|Remote SPAN source VLAN|k/n||
      <cr>||||
      !
    !
  !
!
