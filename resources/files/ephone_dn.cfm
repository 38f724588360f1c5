// Ephone-dn mode "(config-ephone-dn)#" (Cisco Unified CME).
number|Extension or telephone number of the directory number|k/o/n||
  word|Number, up to 16 digits|||
    <cr>||||
    !
    secondary|Second number of the directory number|||
      word|Secondary number|||
        <cr>||||
        !
        no-reg|Do not register the number with the gatekeeper|||
          <cr>||||
          !
          #|which number|||
            both|Both numbers||
            primary|The primary number||
          #|||
            <cr>||||
            !
          !
        !
      !
    !
    no-reg|Do not register the number with the gatekeeper|||
      <cr>||||
      !
      #|which number|||
        both|Both numbers||
        primary|The primary number||
      #|||
        <cr>||||
        !
      !
    !
  !
!
name|Name shown as caller ID|k/o/n||
  line|Name|lb/le/wa||
    <cr>||||
    !
  !
!
label|Label shown beside the line button|k/o/n||
  line|Label text|lb/le/wa||
    <cr>||||
    !
  !
!
description|Description of the directory number|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
