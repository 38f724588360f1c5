// Shared: "maximum routes" of a VRF.
routes|Maximum number of routes allowed in this routing table|k/o/n||
  <1-4294967295>|Maximum number of routes allowed|||
    <1-100>|Threshold value (%) at which to generate a warning msg|||
      <cr>||||
      !
      reinstall|Threshold value (%) at which to reinstall routes back to VRF|||
        <1-100>|Threshold value (%)|||
          <cr>||||
          !
        !
      !
    !
    warning-only|Only give a warning message if limit is exceeded|||
      <cr>||||
      !
    !
  !
!
