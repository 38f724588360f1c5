// IPsec transform set mode "(cfg-crypto-trans)#".
mode|encapsulation mode (transport/tunnel)|k/o/n||
  #|mode|||
    transport|transport (payload encapsulation) mode||
    tunnel|tunnel (datagram encapsulation) mode||
  #|||
    <cr>||||
    !
    require|Require mode|||
      <cr>||||
      !
    !
  !
!
