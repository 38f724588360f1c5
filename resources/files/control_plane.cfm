// Control plane mode "(config-cp)#".
service-policy|Configure QoS Service Policy|k||
  #|direction|k/o/n||
    input|Assign policy-map to the input of an interface||
    output|Assign policy-map to the output of an interface||
  #|||
    word|policy-map name|||
      <cr>||||
      !
    !
  !
  type|Policy type|k||
    line|type, direction and policy map|lb/le/wa/k/o/n||
      <cr>||||
      !
    !
  !
!
