// Interface network virtualization mode.
satellite-fabric-link|Satellite fabric link|k||
  satellite|Satellite|k||
    <100-65534>|Satellite id|k/n||
      <cr>||||@(config-if-nv-sat)# nv_fabric_link.cfm
      !
    !
  !
!
