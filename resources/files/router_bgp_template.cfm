// BGP peer template mode "(config-router-stmp)#".
exit-peer-policy|Exit from template configuration mode|k||
  <cr>||||
  !
!
exit-peer-session|Exit from template configuration mode|k||
  <cr>||||
  !
!
#|setting|k/o/n||
  remote-as|Specify a BGP peer-group remote-as||
  update-source|Source of routing updates||
  description|Neighbor specific description||
  password|Set a password||
  timers|BGP per neighbor timers||
  ebgp-multihop|Allow EBGP neighbors not on directly connected networks||
  route-map|Apply route map to neighbor||
  send-community|Send Community attribute to this neighbor||
  next-hop-self|Disable the next hop calculation for this neighbor||
  route-reflector-client|Configure a neighbor as Route Reflector client||
  soft-reconfiguration|Per neighbor soft reconfiguration||
  inherit|Inherit a template||
#|||
  <cr>||||
  !
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
