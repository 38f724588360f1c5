// MGCP profile mode "(config-mgcp-profile)#".
description|Description of the profile|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
