// vPC domain mode.
#|switch setting|k/o/sb||
  auto-recovery|Auto recovery||
  peer-config-check-bypass|Bypass peer config check||
  peer-gateway|Peer gateway||
  peer-switch|Peer switch||
#|||
  <cr>||||
  !
!
delay|Delay|k||
  restore|Restore delay|k/o/n||
    <1-3600>|Seconds|||
      <cr>||||
      !
    !
  !
!
dual-active|Dual active|k||
  exclude|Exclude|k||
    line|what|lb/le/wa/k/o/sb||
      <cr>||||
      !
    !
  !
!
graceful|Graceful settings|k||
  consistency-check|Graceful consistency check|k/o/sb||
    <cr>||||
    !
  !
!
ip|IP settings|k||
  arp|ARP settings|k||
    synchronize|Synchronize ARP tables|k/o/sb||
      <cr>||||
      !
    !
  !
!
peer-keepalive|Peer keepalive|k/o/n||
  destination|Destination|||
    a.b.c.d|Destination address|||
      <cr>||||
      !
      line|source and options|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
!
role|Role|k||
  priority|Role priority|k/o/n||
    <1-65535>|Priority|||
      <cr>||||
      !
    !
  !
!
system-priority|System priority|k/o/n||
  <1-65535>|Priority|||
    <cr>||||
    !
  !
!
system-mac|System MAC|k/o/n||
  h.h.h|MAC address|||
    <cr>||||
    !
  !
!
