// Fabric extender mode.
#|setting|k/o/n||
  description|Description||
  pinning|Pinning||
  type|Fabric extender type||
  serial|Serial number||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
