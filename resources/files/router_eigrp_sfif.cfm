// EIGRP service family interface mode "(config-router-sf-interface)#".
bandwidth-percent|Set percentage of bandwidth percentage limit|k/o/n||
  <1-999999>|Maximum bandwidth percentage that EIGRP may use|||
    <cr>||||
    !
  !
!
dampening-change|Percent interface metric must change to cause update|k/o/sb||
  <cr>||||
  !
  <1-100>|Percent change|||
    <cr>||||
    !
  !
!
dampening-interval|Time in seconds to check interface metrics|k/o/sb||
  <cr>||||
  !
  <1-65535>|Interval in seconds|||
    <cr>||||
    !
  !
!
exit-sf-interface|Exit from Service Family Interface configuration mode|k||
  <cr>||||
  !
!
hello-interval|Configures hello interval|k/o/n||
  <1-65535>|Seconds between hello transmissions|||
    <cr>||||
    !
  !
!
hold-time|Configures hold time|k/o/n||
  <1-65535>|Seconds before neighbor is considered down|||
    <cr>||||
    !
  !
!
split-horizon|Perform split horizon|k/o/sb||
  <cr>||||
  !
!
