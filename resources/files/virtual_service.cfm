// Virtual service mode.
#|setting|k/o/sb||
  activate|Activate the virtual service||
  signing|Signing settings||
  vnic|Virtual NIC settings||
  profile|Profile||
#|||
  <cr>||||
  !
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
