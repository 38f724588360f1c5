// Inspect parameter map mode "(config-profile)#" ("parameter-map type
// inspect NAME", "parameter-map type inspect global", "parameter-map type
// inspect-global"): timeouts and thresholds of the zone-based firewall.
alert|Turn on/off alert|k/o/n||
  #|state|||
    on|Turn on alert||
    off|Turn off alert||
  #|||
    <cr>||||
    !
  !
!
audit-trail|Turn on/off audit trail|k/o/n||
  #|state|||
    on|Turn on audit trail||
    off|Turn off audit trail||
  #|||
    <cr>||||
    !
  !
!
dns-timeout|Timeout of DNS sessions|k/o/n||
  <1-2147483>|Timeout in seconds|||
    <cr>||||
    !
  !
!
icmp|ICMP settings|k||
  idle-time|Idle timeout of ICMP sessions|k/o/n||
    <1-2147483>|Timeout in seconds|||
      <cr>||||
      !
    !
  !
!
log|Logging settings|k||
  dropped-packets|Log dropped packets|k/o/n||
    <cr>||||
    !
    #|state|||
      enable|Enable logging of dropped packets||
      disable|Disable logging of dropped packets||
    #|||
      <cr>||||
      !
    !
  !
  summary|Log session summaries|k/o/n||
    <cr>||||
    !
    flows|Number of flows in a summary|||
      <1-2000>|Number of flows|||
        <cr>||||
        !
        time-interval|Interval between summaries|||
          <1-2000>|Minutes|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
max-incomplete|Maximum number of half-open sessions|k||
  #|threshold|k/o/n||
    low|Lower threshold||
    high|Upper threshold||
  #|||
    <1-2147483647>|Number of sessions|||
      <cr>||||
      !
    !
  !
!
one-minute|Rate of new half-open sessions per minute|k||
  #|threshold|k/o/n||
    low|Lower threshold||
    high|Upper threshold||
  #|||
    <1-2147483647>|Number of sessions per minute|||
      <cr>||||
      !
    !
  !
!
sessions|Session settings|k||
  maximum|Maximum number of inspected sessions|k/o/n||
    <1-2147483647>|Number of sessions|||
      <cr>||||
      !
    !
  !
!
tcp|TCP settings|k||
  #|timer|k/o/n||
    finwait-time|Timeout after a FIN exchange||
    idle-time|Idle timeout of TCP sessions||
    synwait-time|Timeout for a TCP session to be established||
  #|||
    <1-2147483>|Timeout in seconds|||
      <cr>||||
      !
    !
  !
  max-incomplete|Half-open sessions per host|k||
    host|Half-open sessions to one host|k/o/n||
      <1-4294967295>|Number of sessions|||
        <cr>||||
        !
        block-time|Block time after the threshold is reached|||
          <0-35791>|Minutes|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
udp|UDP settings|k||
  idle-time|Idle timeout of UDP sessions|k/o/n||
    <1-2147483>|Timeout in seconds|||
      <cr>||||
      !
    !
  !
!
vrf-aware|Inspect traffic across VRFs|k/o/sb||
  <cr>||||
  !
!
