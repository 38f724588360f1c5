// User EXEC mode: the ">" prompt.  "enable" enters privileged EXEC mode.
enable|Turn on privileged commands|k||
  <cr>||||
  !
!
exit|Exit from the EXEC|k||
  <cr>||||
  !
!
logout|Exit from the EXEC|k||
  <cr>||||
  !
!
ping|Send echo messages|k||
  hostname or a.b.c.d|Ping destination address or hostname|||
    <cr>||||
    !
    line|repeat, size, source, timeout and other options|lb/le/wa||
      <cr>||||
      !
    !
  !
!
show|Show running system information|k||
  clock|Display the system clock|k||
    <cr>||||
    !
  !
  history|Display the session command history|k||
    <cr>||||
    !
  !
  version|System hardware and software status|k||
    <cr>||||
    !
  !
  users|Display information about terminal lines|k||
    <cr>||||
    !
  !
  interfaces|Interface status and configuration|k||
    <cr>||||
    !
    &interfacefile.cfm|Interface type|k||
      <slot/port>|interface number|k/n||
        <cr>||||
        !
      !
    !
  !
  ip|IP information|k||
    interface|IP interface status and configuration|k||
      <cr>||||
      !
      brief|Brief summary of IP status and configuration|||
        <cr>||||
        !
      !
      &interfacefile.cfm|Interface type|k||
        <slot/port>|interface number|k/n||
          <cr>||||
          !
        !
      !
    !
    route|IP routing table|k||
      <cr>||||
      !
      line|address, protocol or vrf|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  terminal|Display terminal configuration parameters|k||
    <cr>||||
    !
  !
!
terminal|Set terminal line parameters|k||
  length|Set number of lines on a screen|k||
    <0-512>|Number of lines on screen (0 for no pausing)|||
      <cr>||||
      !
    !
  !
  width|Set width of the display terminal|k||
    <0-512>|Number of characters on a screen line|||
      <cr>||||
      !
    !
  !
  monitor|Copy debug output to the current terminal line|k||
    <cr>||||
    !
  !
!
traceroute|Trace route to destination|k||
  hostname or a.b.c.d|Trace route to destination address or hostname|||
    <cr>||||
    !
    line|options|lb/le/wa||
      <cr>||||
      !
    !
  !
!
