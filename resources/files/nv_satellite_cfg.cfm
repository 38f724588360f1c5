// Satellite mode.
description|Description|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
ip|IP settings|k||
  address|IP address|k/o/n||
    a.b.c.d|IP address|||
      <cr>||||
      !
    !
  !
!
serial-number|Serial number|k/o/n||
  word|Serial number|||
    <cr>||||
    !
  !
!
type|Satellite type|k/o/n||
  word|Type|||
    <cr>||||
    !
  !
!
