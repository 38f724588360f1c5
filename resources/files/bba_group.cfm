// BBA group mode "(config-bba-group)#": the PPPoE profile of "bba-group pppoe".
virtual-template|Virtual template interface to clone virtual-access interfaces from|k/o/n||
  <1-4095>|Virtual template number|||
    <cr>||||
    !
  !
!
sessions|PPPoE session limits|k||
  #|limit kind|k||
    per-mac|Limit the sessions from one MAC address||
    per-vc|Limit the sessions on one ATM PVC||
    per-vlan|Limit the sessions on one VLAN||
    max|Limit the sessions on the router||
  #|||
    limit|Set the limit|o/n||
      <1-65535>|Number of sessions|||
        <cr>||||
        !
        threshold|SNMP trap threshold of the session count|||
          <1-65535>|Number of sessions|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  auto|Automatic session handling|k||
    cleanup|Clean up the sessions of a reloaded client|k/o/sb||
      <cr>||||
      !
    !
  !
!
ac|Access concentrator|k||
  name|Access concentrator name sent in PADO packets|k/o/n||
    word|Access concentrator name|||
      <cr>||||
      !
    !
  !
!
service|PPPoE service settings|k||
  profile|Subscriber profile of the services offered|k/o/n||
    word|Subscriber profile name|||
      <cr>||||
      !
    !
  !
  relay|Relay PPPoE sessions|k||
    <cr>||||
    !
  !
!
pado|PADO settings|k||
  delay|Delay before answering a PADI|k/o/n||
    <0-10000>|Delay in milliseconds|||
      <cr>||||
      !
    !
  !
!
tag|PPPoE tag settings|k||
  ppp-max-payload|Accept the PPP-Max-Payload tag of the client|k/o/sb||
    <cr>||||
    !
    minimum|Lowest payload accepted|||
      <68-1500>|Bytes|||
        maximum|Highest payload accepted|||
          <1500-9180>|Bytes|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
