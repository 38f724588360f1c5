// Class-map mode "(config-cmap)#".  Every "match" line is its own criterion.
description|Class-Map description|k/o/n||
  line|Description of this class-map (up to 200 characters)|lb/le/wa||
    <cr>||||
    !
  !
!
match|classification criteria|k||&cmap_crit.cfm
  not|Negate this match result|k||&cmap_crit.cfm
  !
!
<1-65535>|Sequence number of a match statement|k/n||
  match|classification criteria|||&cmap_crit.cfm
    not|Negate this match result|k||&cmap_crit.cfm
    !
  !
!
