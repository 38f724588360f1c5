// Zone-pair mode "(config-sec-zone-pair)#".
description|Zone-pair description|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
service-policy|Configure CBAC Service Policy|k||
  type|Service policy type|k||
    inspect|Inspection|k/o/n||
      word|Policy map name|||
        <cr>||||
        !
      !
    !
  !
!
