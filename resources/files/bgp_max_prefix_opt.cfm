// "neighbor X maximum-prefix N": threshold, then restart or warning-only.
<cr>||||
!
<1-100>|Threshold value (%) at which to generate a warning msg|||
  <cr>||||
  !
  restart|Restart bgp connection after limit is exceeded|||
    <1-65535>|Restart interval (minutes)|||
      <cr>||||
      !
    !
  !
  warning-only|Only give warning message when limit is exceeded|||
    <cr>||||
    !
  !
!
restart|Restart bgp connection after limit is exceeded|||
  <1-65535>|Restart interval (minutes)|||
    <cr>||||
    !
  !
!
warning-only|Only give warning message when limit is exceeded|||
  <cr>||||
  !
!
