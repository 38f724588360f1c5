// Maintenance mode profile.
ip|IP settings|k||
  pim|PIM|k||
    isolate|Isolate PIM|k/o/sb||
      <cr>||||
      !
    !
  !
!
router|Routing process|k||
  ospf|OSPF|k||
    <1-65535>|Process ID|k/n||
      <cr>||||@(config-mm-profile-router)# maintenance_router.cfm
      !
    !
  !
  bgp|BGP|k||
    <1-4294967295>|Autonomous system number|k/n||
      <cr>||||@(config-mm-profile-router)# maintenance_router.cfm
      !
    !
  !
!
