// MST configuration mode "(config-mst)#".
instance|Map vlans to an MST instance|k||
  <0-4094>|MST instance id|k||
    vlan|Range of vlans to add to the instance mapping|||
      word|vlan range ex: 1-65,72,300-200|o/n||
        <cr>||||
        !
      !
    !
  !
!
name|Set configuration name|k/o/n||
  word|Configuration name|||
    <cr>||||
    !
  !
!
revision|Set configuration revision number|k/o/n||
  <0-65535>|Configuration revision number|||
    <cr>||||
    !
  !
!
