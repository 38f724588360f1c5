// "max-lsa N": threshold and options, in any order.
<cr>||||
!
<1-100>|Threshold value (%) at which to generate a warning message|ob/oe||
  <cr>||||
  !
!
warning-only|Only give a warning message when limit is exceeded|ob/oe||
  <cr>||||
  !
!
ignore-time|time during which all adjacencies are suppressed|ob||
  <1-17895>|minutes|oe||
    <cr>||||
    !
  !
!
ignore-count|maximum number of times adjacencies can be suppressed|ob||
  <1-65534>|count on how many times adjacencies can be suppressed|oe||
    <cr>||||
    !
  !
!
reset-time|time after which ignore-count is reset to zero|ob||
  <2-35791>|minutes|oe||
    <cr>||||
    !
  !
!
