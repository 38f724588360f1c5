// BFD template mode "(config-bfd)#".
interval|Transmit interval between BFD packets|k/o/n||
  min-tx|Minimum transmit interval|||
    <4-9999>|Milliseconds|||
      min-rx|Minimum receive interval|||
        <4-9999>|Milliseconds|||
          multiplier|Multiplier value used to compute holddown|||
            <3-50>|value used to multiply the interval|||
              <cr>||||
              !
            !
          !
        !
      !
    !
  !
  microseconds|Intervals in microseconds|||
    both|Minimum transmit and receive interval|||
      <3300-9999000>|Microseconds|||
        multiplier|Multiplier value used to compute holddown|||
          <3-50>|value used to multiply the interval|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  both|Minimum transmit and receive interval|||
    <4-9999>|Milliseconds|||
      multiplier|Multiplier value used to compute holddown|||
        <3-50>|value used to multiply the interval|||
          <cr>||||
          !
        !
      !
    !
  !
!
authentication|Authentication|k/o/n||
  #|algorithm|||
    md5|Keyed message digest||
    meticulous-md5|Meticulous keyed message digest||
    meticulous-sha-1|Meticulous keyed SHA-1||
    sha-1|Keyed SHA-1||
  #|||
    keychain|Key chain|||
      word|Key chain name|||
        <cr>||||
        !
      !
    !
  !
!
echo|Use echo adjunct as bfd detection mechanism|k/o/sb||
  <cr>||||
  !
!
dampening|Enable BFD session dampening|k/o/n||
  <cr>||||
  !
  <1-30>|Half-life period in minutes|||
    <1-20000>|Reuse threshold|||
      <1-20000>|Suppress threshold|||
        <1-120>|Maximum suppress time in minutes|||
          <cr>||||
          !
        !
      !
    !
  !
!
