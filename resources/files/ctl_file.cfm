// CTL file mode.
record-entry|Record entry|k||
  line|entry|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
shutdown|Shut down|k/o/sb||
  <cr>||||
  !
!
