// Privileged EXEC mode: the "#" prompt.  "configure terminal" enters global
// configuration mode; "show running-config" lists the running configuration
// with the commands that undo the changes of this session.
clear|Reset functions|k||
  line|what to clear (counters, arp-cache, ip route, logging ...)|lb/le/wa||
    <cr>||||
    !
  !
!
clock|Manage the system clock|k||
  set|Set the time and date|k||
    line|hh:mm:ss day month year|lb/le/wa||
      <cr>||||
      !
    !
  !
!
configure|Enter configuration mode|k||
  <cr>||||
  !
  terminal|Configure from the terminal|k||
    <cr>||||
    !
  !
!
copy|Copy from one file to another|k||
  line|source and destination (running-config, startup-config, URL)|lb/le/wa||
    <cr>||||
    !
  !
!
debug|Debugging functions|k||
  line|what to debug|lb/le/wa||
    <cr>||||
    !
  !
!
disable|Turn off privileged commands|k||
  <cr>||||
  !
  <0-15>|Privilege level to go to|||
    <cr>||||
    !
  !
!
end|Exit from the EXEC|k||
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
reload|Halt and perform a cold restart|k||
  <cr>||||
  !
  line|in, at, cancel or reason|lb/le/wa||
    <cr>||||
    !
  !
!
show|Show running system information|k||
  access-lists|List access lists|k||
    <cr>||||
    !
    word|ACL number or name|||
      <cr>||||
      !
    !
  !
  arp|ARP table|k||
    <cr>||||
    !
  !
  cdp|CDP information|k||
    <cr>||||
    !
    neighbors|CDP neighbor entries|k||
      <cr>||||
      !
      detail|Show detailed information|||
        <cr>||||
        !
      !
    !
  !
  clock|Display the system clock|k||
    <cr>||||
    !
  !
  history|Display the session command history|k||
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
    status|Show interface line status|k||
      <cr>||||
      !
    !
    description|Show interface description|k||
      <cr>||||
      !
    !
  !
  ip|IP information|k||
    bgp|BGP information|k||
      <cr>||||
      !
      line|summary, neighbors, prefix|lb/le/wa||
        <cr>||||
        !
      !
    !
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
    nat|IP NAT information|k||
      translations|Translation entries|k||
        <cr>||||
        !
      !
    !
    ospf|OSPF information|k||
      <cr>||||
      !
      line|neighbor, interface, database|lb/le/wa||
        <cr>||||
        !
      !
    !
    protocols|IP routing protocol process parameters and statistics|k||
      <cr>||||
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
  logging|Show the contents of logging buffers|k||
    <cr>||||
    !
  !
  mac|MAC configuration|k||
    address-table|MAC forwarding table|k||
      <cr>||||
      !
    !
  !
  running-config|Current operating configuration|k||
    <cr>||||
    !
  !
  startup-config|Contents of startup configuration|k||
    <cr>||||
    !
  !
  spanning-tree|Spanning tree topology|k||
    <cr>||||
    !
  !
  terminal|Display terminal configuration parameters|k||
    <cr>||||
    !
  !
  users|Display information about terminal lines|k||
    <cr>||||
    !
  !
  version|System hardware and software status|k||
    <cr>||||
    !
  !
  vlan|VTP VLAN status|k||
    <cr>||||
    !
    brief|VTP all VLAN status in brief|||
      <cr>||||
      !
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
undebug|Disable debugging functions|k||
  line|what to stop debugging|lb/le/wa||
    <cr>||||
    !
  !
!
write|Write running configuration to memory, network, or terminal|k||
  <cr>||||
  !
  #|destination|||
    memory|Write to NV memory||
    terminal|Write to terminal||
    erase|Erase NV memory||
  #|||
    <cr>||||
    !
  !
!
