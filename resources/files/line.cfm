// Line configuration mode "(config-line)#" (console, aux and vty lines).
access-class|Filter connections based on an IP access list|k||
  #|IP access list|||
    <1-199>|IP access list||
    <1300-2699>|IP expanded access list||
    word|Access-list name||
  #|||
    #|direction|k/o/n||
      in|Filter incoming connections||
      out|Filter outgoing connections||
    #|||
      <cr>||||
      !
      vrf-also|Same access list is applied for all VRFs|||
        <cr>||||
        !
      !
    !
    vrf-also|Same access list is applied for all VRFs|||
      in|Filter incoming connections|k/o/n||
        <cr>||||
        !
      !
    !
  !
!
authorization|Authorization parameters|k||
  commands|For exec (shell) commands|k||
    <0-15>|Enable level|k/o/n||
      #|list|||
        default|The default authorization list||
      #|||
        <cr>||||
        !
      !
      word|Use an authorization list with this name|||
        <cr>||||
        !
      !
    !
  !
  exec|For starting an exec (shell)|k/o/n||
    #|list|||
      default|The default authorization list||
    #|||
      <cr>||||
      !
    !
    word|Use an authorization list with this name|||
      <cr>||||
      !
    !
  !
!
accounting|Accounting parameters|k||
  commands|For exec (shell) commands|k||
    <0-15>|Enable level|k/o/n||
      #|list|||
        default|The default accounting list||
      #|||
        <cr>||||
        !
      !
      word|Use an accounting list with this name|||
        <cr>||||
        !
      !
    !
  !
  #|function|k/o/n||
    exec|For starting an exec (shell)||
    connection|For outbound connections (telnet, rlogin)||
    arap|For Appletalk Remote Access Protocol||
  #|||
    #|list|||
      default|The default accounting list||
    #|||
      <cr>||||
      !
    !
    word|Use an accounting list with this name|||
      <cr>||||
      !
    !
  !
!
databits|Set number of data bits per character|k/o/n||
  #|bits|||
    5|Number of data bits||
    6|Number of data bits||
    7|Number of data bits||
    8|Number of data bits||
  #|||
    <cr>||||
    !
  !
!
activation-character|Define the activation character|k/o/n||
  <0-255>|Character in decimal|||
    <cr>||||
    !
  !
  word|The character itself|||
    <cr>||||
    !
  !
!
disconnect-character|Define the disconnect character|k/o/n||
  <0-255>|Character in decimal|||
    <cr>||||
    !
  !
  word|The character itself|||
    <cr>||||
    !
  !
!
dispatch-character|Define the dispatch character|k/o/n||
  <0-255>|Character in decimal|||
    <cr>||||
    !
  !
  word|The character itself|||
    <cr>||||
    !
  !
!
hold-character|Define the hold character|k/o/n||
  <0-255>|Character in decimal|||
    <cr>||||
    !
  !
  word|The character itself|||
    <cr>||||
    !
  !
!
start-character|Define the start character|k/o/n||
  <0-255>|Character in decimal|||
    <cr>||||
    !
  !
  word|The character itself|||
    <cr>||||
    !
  !
!
stop-character|Define the stop character|k/o/n||
  <0-255>|Character in decimal|||
    <cr>||||
    !
  !
  word|The character itself|||
    <cr>||||
    !
  !
!
buffer-length|Set DMA buffer length|k/o/n||
  <1-1024>|Buffer length|||
    <cr>||||
    !
  !
!
absolute-timeout|Set absolute timeout for line disconnection|k/o/n||
  <0-10000>|Absolute timeout interval in minutes|||
    <cr>||||
    !
  !
!
autohangup|Automatically hangup when last connection closes|k/o/sb||
  <cr>||||
  !
!
autoselect|Set line to autoselect|k||
  #|protocol|k/o/sb||
    arap|Allow autoselect of ARAP||
    during-login|Do autoselect at the Username/Password prompt||
    ppp|Allow autoselect of PPP||
    slip|Allow autoselect of SLIP||
  #|||
    <cr>||||
    !
  !
!
autocommand|Automatically execute an EXEC command|k/o/n||
  line|Appropriate EXEC command|lb/le/wa||
    <cr>||||
    !
  !
!
#|character bits|k/o/n||
  data-character-bits|Size of characters being handled||
  exec-character-bits|Size of characters to the command exec||
  special-character-bits|Size of the escape (and other special) characters||
#|||
  #|bits|||
    7|Seven bit characters||
    8|Eight bit characters||
  #|||
    <cr>||||
    !
  !
!
escape-character|Change the current line's escape character|k/o/n||
  word|Escape character or its decimal equivalent|||
    <cr>||||
    !
  !
!
exec|Start an EXEC process|k/o/sb||
  <cr>||||
  !
  prompt|EXEC prompt|k/a||
    #|prompt|k||
      timestamp|Print a timestamp before each command output||
      expand|Print the expanded command line||
    #|||
      <cr>||||
      !
    !
  !
!
logout-warning|Warning countdown before the absolute timeout of the line|k/o/n||
  <0-4294967295>|Seconds|||
    <cr>||||
    !
  !
!
exec-timeout|Set the EXEC timeout|k/o/n||
  <0-35791>|Timeout in minutes|||
    <cr>||||
    !
    <0-2147483>|Timeout in seconds|||
      <cr>||||
      !
    !
  !
!
flowcontrol|Set the flow control|k/o/n||
  #|flow control|||
    hardware|Set hardware flowcontrol||
    none|Set no flowcontrol||
    software|Set software flowcontrol||
  #|||
    <cr>||||
    !
  !
!
history|Enable and control the command history function|k/o/sb||
  <cr>||||
  !
  size|Set history buffer size|k/o/n||
    <0-256>|Size of history buffer|||
      <cr>||||
      !
    !
  !
!
ipv6|IPv6 options|k||
  access-class|Filter connections based on an IPv6 access list|k||
    word|IPv6 access list|||
      #|direction|k/o/n||
        in|Filter incoming connections||
        out|Filter outgoing connections||
      #|||
        <cr>||||
        !
      !
    !
  !
!
length|Set number of lines on a screen|k/o/n||
  <0-512>|Number of lines on screen (0 for no pausing)|||
    <cr>||||
    !
  !
!
location|Enter terminal location description|k/o/n||
  line|One text line describing the terminal's location|lb/le/wa||
    <cr>||||
    !
  !
!
logging|Modify message logging facilities|k||
  synchronous|Synchronized message output|k/o/sb||
    <cr>||||
    !
    level|Severity level to output asynchronously|||
      #|level|||
        <0-7>|Severity level; lower number for higher severity||
        all|Turn off all severity level for asynchronous output||
      #|||
        <cr>||||
        !
        limit|Messages queue size|||
          <0-2147483647>|Number of buffers|||
            <cr>||||
            !
          !
        !
      !
    !
    limit|Messages queue size|||
      <0-2147483647>|Number of buffers|||
        <cr>||||
        !
      !
    !
  !
!
login|Enable password checking|k/o/sb||
  <cr>||||
  !
  authentication|Authentication parameters|k/o/n||
    word|Use an authentication list with this name|||
      <cr>||||
      !
    !
  !
  local|Local password checking|||
    <cr>||||
    !
  !
!
modem|Configure the Modem Control Lines|k||
  #|modem setting|k/o/sb||
    inout|Configure line for incoming AND outgoing use of modem||
    dialin|Configure line for a modern dial-in modem||
    host|Devices that expect an incoming modem call||
    cts-alarm|Alarm device which only uses CTS for call control||
    dtr-active|Leave DTR low unless line has an active incoming connection or EXEC||
    printer|Devices that require DSR for connection||
    callout|Configure line for reverse access from the modem||
  #|||
    <cr>||||
    !
  !
  // On by default on ISR console lines; the device writes "no modem enable".
  enable|Enable the modem on the console line|k/sn||
    <cr>||||
    !
  !
  autoconfigure|Automatically configure modem on line|k||
    discovery|Attempt to determine modem type automatically|k/o/sb||
      <cr>||||
      !
    !
    type|Specify the modem type|k/o/n||
      word|Modem type|||
        <cr>||||
        !
      !
    !
  !
!
motd-banner|Enable the display of the MOTD banner|k/o/sb||
  <cr>||||
  !
!
exec-banner|Enable the display of the EXEC banner|k/o/sb||
  <cr>||||
  !
!
notify|Inform users of output from concurrent sessions|k/o/sb||
  <cr>||||
  !
!
parity|Set terminal parity|k/o/n||
  #|parity|||
    even|Even parity||
    mark|Mark parity||
    none|No parity||
    odd|Odd parity||
    space|Space parity||
  #|||
    <cr>||||
    !
  !
!
password|Set a password|k/o/n||
  0|Specifies an UNENCRYPTED password will follow|||
    line|The password|lb/le/wa||
      <cr>||||
      !
    !
  !
  7|Specifies a HIDDEN password will follow|||
    word|The encrypted password|||
      <cr>||||
      !
    !
  !
  line|The UNENCRYPTED (cleartext) line password|lb/le/wa||
    <cr>||||
    !
  !
!
privilege|Change privilege level for line|k||
  level|Assign default privilege level for line|k/o/n||
    <0-15>|Default privilege level for line|||
      <cr>||||
      !
    !
  !
!
rotary|Add line to a rotary group|k/o/n||
  <0-100>|Rotary group to add line to|||
    <cr>||||
    !
  !
!
session-timeout|Set interval for closing connection when there is no input traffic|k/o/n||
  <0-35791>|Session timeout interval in minutes|||
    <cr>||||
    !
    output|Include output traffic as well as input traffic|||
      <cr>||||
      !
    !
  !
!
speed|Set the transmit and receive speeds|k/o/n||
  <0-4294967295>|Transmit and receive speeds|||
    <cr>||||
    !
  !
!
stopbits|Set async line stop bits|k/o/n||
  #|stop bits|||
    1|One stop bit||
    1.5|One and one-half stop bits||
    2|Two stop bits||
  #|||
    <cr>||||
    !
  !
!
terminal-type|Set the terminal type|k/o/n||
  word|Terminal type|||
    <cr>||||
    !
  !
!
timeout|Timeouts|k||
  login|Timeouts related to the login sequence|k||
    response|Timeout for any user input during login sequences|k/o/n||
      <1-300>|Timeout in seconds|||
        <cr>||||
        !
      !
    !
  !
!
transport|Define transport protocols for line|k||
  #|direction|k/o/n||
    input|Define which protocols to use when connecting to the terminal server||
    output|Define which protocols to use for outgoing connections||
    preferred|Specify the preferred protocol to use||
  #|||
    #|protocol|lb/le/wa||
      all|All protocols||
      none|No protocols||
      ssh|TCP/IP SSH protocol||
      telnet|TCP/IP Telnet protocol||
      lat|DEC LAT protocol||
      mop|DEC MOP Remote Console Protocol||
      pad|X.3 PAD||
      rlogin|Unix rlogin protocol||
      udptn|UDPTN async via UDP protocol||
      lapb-ta|LAPB Terminal Adapter||
      v120|Async over ISDN||
    #|||
      <cr>||||
      !
    !
  !
!
width|Set width of the display terminal|k/o/n||
  <0-512>|Number of characters on a screen line|||
    <cr>||||
    !
  !
!
