// Module provisioning mode.
slot|Slot|k||
  <1-64>|Slot number|k/n||
    line|slot type, ports and virtual slot|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
