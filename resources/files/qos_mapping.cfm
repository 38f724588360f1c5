// QoS mapping mode.
#|map kind|k||
  dscp|DSCP map||
  pcp|PCP map||
  cos|CoS map||
#|||
  decode-map|Decode map|k||
    word|Map name|k/n||
      <cr>||||@(config-qos-mapping-map)# qos_mapping_map.cfm
      !
    !
  !
!
