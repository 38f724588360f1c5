// The OSPF network types of an interface.
broadcast|Specify OSPF broadcast multi-access network|||
  <cr>||||
  !
!
non-broadcast|Specify OSPF NBMA network|||
  <cr>||||
  !
!
point-to-point|Specify OSPF point-to-point network|||
  <cr>||||
  !
!
point-to-multipoint|Specify OSPF point-to-multipoint network|||
  <cr>||||
  !
  non-broadcast|Specify non-broadcast point-to-mpoint network|||
    <cr>||||
    !
  !
!
