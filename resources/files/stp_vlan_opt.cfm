// The settings of "spanning-tree vlan LIST" and "spanning-tree mst LIST"
// (shared: the same parameters, per VLAN or per MST instance).
priority|Set the bridge priority for the spanning tree|k/o/n||
  &stp_priority.cfm|bridge priority in increments of 4096|||
    <cr>||||
    !
  !
!
hello-time|Set the hello interval for the spanning tree|k/o/n||
  <1-10>|number of seconds between generation of config BPDUs|||
    <cr>||||
    !
  !
!
forward-time|Set the forward delay for the spanning tree|k/o/n||
  <4-30>|number of seconds for the forward delay timer|||
    <cr>||||
    !
  !
!
max-age|Set the max age interval for the spanning tree|k/o/n||
  <6-40>|maximum number of seconds the information in a BPDU is valid|||
    <cr>||||
    !
  !
!
root|Configure switch as root|k/o/n||
  #|root type|||
    primary|Configure this switch as primary root for this spanning tree||
    secondary|Configure switch as secondary root||
  #|||
    <cr>||||
    !
    diameter|Network diameter of this spanning tree|||
      <2-7>|Maximum number of bridges between any two end nodes|||
        <cr>||||
        !
        hello-time|Hello interval for this spanning tree|||
          <1-10>|number of seconds between generation of config BPDUs|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
