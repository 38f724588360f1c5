// The command part of "privilege <mode>": the level a command needs, or
// its reset to the default level.  The command text names the entry.
all|Change the level of all subcommands as well|k||
  level|Set the privilege level of the command|k||
    <0-15>|Privilege level|||
      line|Initial keywords of the command|lb/le/wa/k/o/n||
        <cr>||||
        !
      !
    !
  !
  reset|Reset the privilege level of the command|k||
    line|Initial keywords of the command|lb/le/wa/k/o/n||
      <cr>||||
      !
    !
  !
!
level|Set the privilege level of the command|k||
  <0-15>|Privilege level|||
    line|Initial keywords of the command|lb/le/wa/k/o/n||
      <cr>||||
      !
    !
  !
!
reset|Reset the privilege level of the command|k||
  line|Initial keywords of the command|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
