// T1/E1 controller mode "(config-controller)#".
cablelength|Specify the cable length for a DS1 link|k||
  #|cable length|k/o/n||
    long|Cable longer than 655 feet||
    short|Cable up to 655 feet||
  #|||
    word|Transmit attenuation or cable length|||
      <cr>||||
      !
    !
  !
!
channel-group|Specify the timeslots to channel-group mapping for an interface|k||
  <0-30>|Channel group number|k/n||
    timeslots|List of timeslots in the channel group|o||
      word|Timeslot list, for example 1-24 or 1-15,17-31|||
        <cr>||||
        !
        speed|Speed of the underlying DS0s|||
          #|speed|||
            56|56 kilobits||
            64|64 kilobits||
          #|||
            <cr>||||
            !
          !
        !
      !
    !
    unframed|Use all 32 timeslots for data|o||
      <cr>||||
      !
    !
  !
!
clock|Specify the clock source for a DS1 link|k||
  source|Clock source|k/o/n||
    &cmd_line.cfm|Recover the clock from the line|||
      <cr>||||
      !
      #|line clock|||
        primary|Primary clock source||
        secondary|Secondary clock source||
      #|||
        <cr>||||
        !
      !
    !
    #|clock source|||
      internal|Use the internal clock||
      loop-timed|Use the receive clock as the transmit clock||
      network|Use the internal TDM switch clock||
      free-running|Free running clock||
    #|||
      <cr>||||
      !
    !
  !
!
description|Controller specific description|k/o/n||
  line|Up to 240 characters describing this controller|lb/le/wa||
    <cr>||||
    !
  !
!
fdl|Specify the FDL standard for a DS1 data link|k/o/n||
  #|standard|||
    ansi|ANSI T1.403||
    att|AT&T TR54016||
    both|ANSI and AT&T||
  #|||
    <cr>||||
    !
  !
!
framing|Specify the type of framing|k/o/n||
  #|framing|||
    esf|Extended super frame||
    sf|Super frame||
    crc4|E1 framing with CRC4||
    no-crc4|E1 framing without CRC4||
    unframed|Unframed E1||
  #|||
    <cr>||||
    !
    australia|Australian layer 1 homologation|||
      <cr>||||
      !
    !
  !
!
line-termination|Specify the line termination for E1|k/o/n||
  #|termination|||
    75-ohm|75 ohm unbalanced termination||
    120-ohm|120 ohm balanced termination||
  #|||
    <cr>||||
    !
  !
!
linecode|Specify the line encoding method|k/o/n||
  #|line code|||
    ami|Alternate mark inversion||
    b8zs|Binary 8 zero substitution||
    hdb3|High density bipolar 3||
  #|||
    <cr>||||
    !
  !
!
pri-group|Configure the specified timeslots for PRI|k/o/n||
  <cr>||||
  !
  timeslots|List of timeslots in the PRI group|||
    word|Timeslot list, for example 1-24|||
      <cr>||||
      !
    !
  !
!
shutdown|Shut down this link (send blue alarm)|k||
  <cr>||||
  !
!
