// Ethernet CFM maintenance association mode "(config-ecfm-srv)#".
continuity-check|Continuity check messages|k/o/sb||
  <cr>||||
  !
  interval|Interval between continuity check messages|k/o/n||
    #|interval|||
      3.3ms|3.3 milliseconds||
      10ms|10 milliseconds||
      100ms|100 milliseconds||
      1s|1 second||
      10s|10 seconds||
      1m|1 minute||
      10m|10 minutes||
    #|||
      <cr>||||
      !
    !
  !
  loss-threshold|Missed messages before a remote MEP is declared down|k/o/n||
    <2-255>|Messages|||
      <cr>||||
      !
    !
  !
  static|Static remote MEPs|k||
    rmep|Check the configured remote MEPs only|k/o/sb||
      <cr>||||
      !
    !
  !
!
mep|Maintenance end points|k||
  mpid|Remote MEP identifier|k||
    <1-8191>|MEP identifier|k/n||
      <cr>||||
      !
    !
  !
!
