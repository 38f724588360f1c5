// Slot table CoS mode.
destination-slot|Destination slot|k||
  line|slots and queue group|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
