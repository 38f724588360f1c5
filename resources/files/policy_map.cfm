// Policy-map mode "(config-pmap)#".
class|policy criteria|k||
  word|class-map name|k/n||
    <cr>||||@(config-pmap-c)# policy_map_class.cfm
    !
    #|insert position|||
      insert-before|Insert the class before a specified class||
      do-until-failure|Execute the actions until one fails||
      do-all|Execute all the actions||
      do-until-success|Execute the actions until one succeeds||
    #|||
      <cr>||||@(config-pmap-c)# policy_map_class.cfm
      !
    !
  !
  type|The type of class|k||
    #|class type|k||
      inspect|Inspect class||
      network-qos|Network QoS class||
      queuing|Queuing class||
      pbr|Policy based routing class||
    #|||
      word|class-map name|k/n||
        <cr>||||@(config-pmap-c)# policy_map_class.cfm
        !
      !
    !
  !
  class-default|System default class matching otherwise unclassified packets|k/n||
    <cr>||||@(config-pmap-c)# policy_map_class.cfm
    !
  !
!
<1-65535>|Sequence number|k||
  class|policy criteria|k||
    word|class-map name|k/n||
      <cr>||||@(config-pmap-c)# policy_map_class.cfm
      !
    !
  !
!
description|Policy-Map description|k/o/n||
  line|Description of this policy-map (up to 200 characters)|lb/le/wa||
    <cr>||||
    !
  !
!
parameters|Inspection parameters|k||
  <cr>||||@(config-pmap-p)# policy_map_params.cfm
  !
!
