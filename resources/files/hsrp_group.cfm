// The settings of an HSRP group: "standby [GROUP] ...".
ip|Enable HSRP and set the virtual IP address|k/o/n||
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
priority|Priority level|k/o/n||
  <0-255>|Priority value|||
    <cr>||||
    !
  !
!
preempt|Overthrow lower priority Active routers|k/o/sb||
  <cr>||||
  !
  delay|Wait before preempting|||
    <cr>||||
    !
    minimum|Delay at least this long|||
      <0-3600>|Number of seconds for minimum delay|||&hsrp_preempt_opt.cfm
      !
    !
    reload|Delay after reload|||
      <0-3600>|Number of seconds for reload delay|||&hsrp_preempt_opt.cfm
      !
    !
    sync|Wait for IP redundancy clients|||
      <0-3600>|Number of seconds for sync delay|||&hsrp_preempt_opt.cfm
      !
    !
  !
!
timers|Hello and hold timers|k/o/n||
  <1-254>|Hello interval in seconds|||
    <1-255>|Hold time in seconds|||
      <cr>||||
      !
    !
    msec|Specify hold interval in milliseconds|||
      <50-3000>|Hold interval in milliseconds|||
        <cr>||||
        !
      !
    !
  !
  msec|Specify hello interval in milliseconds|||
    <15-999>|Hello interval in milliseconds|||
      <1-255>|Hold time in seconds|||
        <cr>||||
        !
      !
      msec|Specify hold interval in milliseconds|||
        <50-3000>|Hold interval in milliseconds|||
          <cr>||||
          !
        !
      !
    !
  !
!
authentication|Authentication|k/o/n||
  word|Plain text authentication string (8 chars max)|||
    <cr>||||
    !
  !
  text|Plain text authentication|||
    word|Plain text authentication string (8 chars max)|||
      <cr>||||
      !
    !
  !
  md5|Use MD5 authentication|||
    key-string|Set key string|||
      <0-7>|Encryption type|||
        word|Key string|||
          <cr>||||
          !
          timeout|Set timeout for old key|||
            <0-32767>|Seconds|||
              <cr>||||
              !
            !
          !
        !
      !
      word|Key string|||
        <cr>||||
        !
        timeout|Set timeout for old key|||
          <0-32767>|Seconds|||
            <cr>||||
            !
          !
        !
      !
    !
    key-chain|Set key chain|||
      word|Name of key-chain|||
        <cr>||||
        !
      !
    !
  !
!
track|Priority tracking|k||
  <1-1000>|Tracked object number|k/o/n||
    <cr>||||
    !
    decrement|Priority decrement|||
      <1-255>|Decrement value|||
        <cr>||||
        !
      !
    !
    shutdown|Disable the group when the object goes down|||
      <cr>||||
      !
    !
  !
  &interfacefile.cfm|Interface type|k||
    <slot/port>|Interface number|k/o/n||
      <cr>||||
      !
      <1-255>|Priority decrement|||
        <cr>||||
        !
      !
    !
  !
!
name|Redundancy name string|k/o/n||
  word|name string|||
    <cr>||||
    !
  !
!
mac-address|Virtual MAC address|k/o/n||
  h.h.h|MAC address|||
    <cr>||||
    !
  !
!
follow|Name of the HSRP group to follow|k/o/n||
  word|Redundancy name string|||
    <cr>||||
    !
  !
!
ipv6|Enable HSRP IPv6 and set the virtual address|k||
  autoconfig|Obtain the virtual link-local address automatically|k/o/n||
    <cr>||||
    !
  !
  word|IPv6 link-local address or IPv6 prefix|k/n||
    <cr>||||
    !
  !
!
