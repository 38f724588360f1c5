// The entries of an expanded community list: an action, then a regular
// expression (free text up to the end of the line).
#|action|k||
  permit|Specify community to accept||
  deny|Specify community to reject||
#|||
  line|An ordered list as a regular-expression|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
