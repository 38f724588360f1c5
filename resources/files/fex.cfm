// Fabric extender mode.
#|setting|k/o/n||
  description|Description||
  type|Fabric extender type||
  serial|Serial number||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
pinning|Pinning|k/o/n||
  max-links|Number of uplinks for static pinning|k||
    <1-4>|Number of uplinks|||
      <cr>||||
      !
    !
  !
!
