// Security zone mode.
description|Zone description|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
