// Network virtualization mode.
satellite|Satellite|k||
  <100-65534>|Satellite id|k/n||
    <cr>||||@(config-satellite)# nv_satellite_cfg.cfm
    !
  !
!
