// TrustSec interface modes "(config-if-cts-dot1x)#" and "(config-if-cts-manual)#".
timer|Timer settings|k||
  reauthentication|Reauthentication timer|k/o/n||
    <1-86400>|Seconds|||
      <cr>||||
      !
    !
  !
!
default|Set a command to its defaults|k||
  timer|Timer settings|k||
    reauthentication|Reauthentication timer|k/sn||
      <cr>||||
      !
    !
  !
!
policy|Policy settings|k||
  static|Static policy|k||
    sgt|Security group tag|k||
      <2-65519>|Tag|k/o/n||
        <cr>||||
        !
        trusted|Trust the tag of received packets|||
          <cr>||||
          !
        !
      !
    !
  !
  dynamic|Dynamic policy|k||
    identity|Identity|k/o/n||
      word|Peer name|||
        <cr>||||
        !
      !
    !
  !
!
propagate|Propagate settings|k||
  sgt|Propagate the security group tag|k/o/sb||
    <cr>||||
    !
  !
!
sap|Security association protocol|k/o/n||
  pmk|Pairwise master key|||
    word|Hexadecimal key|||
      <cr>||||
      !
      mode-list|Modes in order of preference|||
        #|mode|lb/le/wa||
          gcm-encrypt|GCM encryption||
          gcm|GCM||
          gmac|GMAC||
          no-encap|No encapsulation||
          null|No encryption||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
  mode-list|Modes in order of preference|||
    #|mode|lb/le/wa||
      gcm-encrypt|GCM encryption||
      gmac|GMAC||
      no-encap|No encapsulation||
      null|No encryption||
    #|||
      <cr>||||
      !
    !
  !
!
