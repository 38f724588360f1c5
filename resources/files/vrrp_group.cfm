// VRRP version 3 group mode "(config-if-vrrp)#".
exit-vrrp|Exit from VRRP configuration mode|k||
  <cr>||||
  !
!
address|Virtual router address|k||
  a.b.c.d|Virtual router IPv4 address|k/o/n||
    <cr>||||
    !
    #|role|||
      primary|Primary virtual router address||
      secondary|Secondary virtual router address||
    #|||
      <cr>||||
      !
    !
  !
  word|Virtual router IPv6 address|k/o/n||
    <cr>||||
    !
    primary|Primary virtual router address|||
      <cr>||||
      !
    !
  !
!
priority|Priority of this VRRP group|k/o/n||
  <1-254>|Priority level|||
    <cr>||||
    !
  !
!
preempt|Enable preemption of lower priority Master|k/o/sb||
  <cr>||||
  !
  delay|Wait before preempting|||
    minimum|Delay at least this long|||
      <0-3600>|Seconds|||
        <cr>||||
        !
      !
    !
  !
!
timers|Set the VRRP timers|k||
  advertise|Set the Advertisement timer|k/o/n||
    <100-40000>|Advertisement interval in milliseconds|||
      <cr>||||
      !
    !
  !
!
description|Group specific description|k/o/n||
  line|Up to 80 characters describing this group|lb/le/wa||
    <cr>||||
    !
  !
!
track|Event Tracking|k||
  <1-1000>|Tracked object number|k/o/n||
    <cr>||||
    !
    decrement|Priority decrement|||
      <1-255>|Decrement value|||
        <cr>||||
        !
      !
    !
    shutdown|Shut the group down|||
      <cr>||||
      !
    !
  !
!
vrrpv2|Enable VRRP version 2 advertisements|k/o/sb||
  <cr>||||
  !
!
shutdown|Disable VRRP configuration|k/o/sb||
  <cr>||||
  !
!
match-address|Match the address of received advertisements|k/o/sb||
  <cr>||||
  !
!
accept-mode|Accept packets for the virtual address|k/o/sb||
  <cr>||||
  !
!
