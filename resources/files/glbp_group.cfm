// The settings of a GLBP group: "glbp GROUP ...".
ip|Enable group and set the virtual IP address|k/o/n||
  <cr>||||
  !
  a.b.c.d|Virtual IP address|||
    <cr>||||
    !
    secondary|Make this IP address a secondary virtual IP address|k/a||
      <cr>||||
      !
    !
  !
!
priority|Priority level of the virtual gateway|k/o/n||
  <1-255>|Priority value|||
    <cr>||||
    !
  !
!
preempt|Overthrow lower priority active virtual gateways|k/o/sb||
  <cr>||||
  !
  delay|Wait before preempting|||
    minimum|Delay at least this long|||
      <0-3600>|Number of seconds for minimum delay|||
        <cr>||||
        !
      !
    !
  !
!
forwarder|Virtual forwarder settings|k||
  preempt|Overthrow the active virtual forwarder when its weighting is lower|k/o/sb||
    <cr>||||
    !
    delay|Wait before preempting|||
      minimum|Delay at least this long|||
        <0-3600>|Number of seconds for minimum delay|||
          <cr>||||
          !
        !
      !
    !
  !
!
load-balancing|Load balancing method|k/o/n||
  #|method|||
    host-dependent|Load balance by source MAC address||
    round-robin|Load balance in a round-robin fashion||
    weighted|Load balance in proportion to the forwarder weighting||
  #|||
    <cr>||||
    !
  !
!
weighting|Gateway weighting and tracking|k||
  <1-254>|Maximum weighting value|o/n||
    <cr>||||
    !
    lower|Weighting lower threshold|||
      <1-254>|Weighting value|||
        <cr>||||
        !
        upper|Weighting upper threshold|||
          <1-254>|Weighting value|||
            <cr>||||
            !
          !
        !
      !
    !
    upper|Weighting upper threshold|||
      <1-254>|Weighting value|||
        <cr>||||
        !
      !
    !
  !
  track|Track an object|k||
    <1-1000>|Tracked object number|k/o/n||
      <cr>||||
      !
      decrement|Weighting decrement|||
        <1-255>|Decrement value|||
          <cr>||||
          !
        !
      !
    !
  !
!
timers|Hello and hold timers|k/o/n||
  <1-60>|Hello interval in seconds|||
    <2-180>|Hold time in seconds|||
      <cr>||||
      !
    !
    msec|Specify hold time in milliseconds|||
      <70-180000>|Hold time in milliseconds|||
        <cr>||||
        !
      !
    !
  !
  msec|Specify hello interval in milliseconds|||
    <50-60000>|Hello interval in milliseconds|||
      <1-180>|Hold time in seconds|||
        <cr>||||
        !
      !
      msec|Specify hold time in milliseconds|||
        <70-180000>|Hold time in milliseconds|||
          <cr>||||
          !
        !
      !
    !
  !
  redirect|Redirect and timeout timers|k/o/n||
    <0-3600>|Redirect timer in seconds|||
      <610-64800>|Timeout in seconds|||
        <cr>||||
        !
      !
    !
  !
!
authentication|Authentication|k/o/n||
  text|Plain text authentication|||
    word|Authentication string (8 characters max)|||
      <cr>||||
      !
    !
  !
  md5|Use MD5 authentication|||
    key-string|Set key string|||
      #|encryption|||
        0|The key that follows is unencrypted||
        7|The key that follows is encrypted||
      #|||
        word|Key string|||
          <cr>||||
          !
        !
      !
      word|Key string|||
        <cr>||||
        !
      !
    !
    key-chain|Set key chain|||
      word|Name of key chain|||
        <cr>||||
        !
      !
    !
  !
!
name|Redundancy name string|k/o/n||
  word|Name string|||
    <cr>||||
    !
  !
!
