// Voice register global mode "(config-register-global)#".
mode|Mode of the SIP phone system|k/o/n||
  #|mode|||
    cme|Cisco Unified CME||
    srst|Cisco Unified SRST||
  #|||
    <cr>||||
    !
  !
!
max-dn|Maximum directory numbers supported|k/o/n||
  <1-3500>|Directory numbers|||
    <cr>||||
    !
  !
!
max-pool|Maximum pools supported|k/o/n||
  <1-2500>|Pools|||
    <cr>||||
    !
  !
!
source-address|Source address of the SIP phones' server|k/o/n||
  a.b.c.d|IP address|||
    <cr>||||
    !
    port|TCP or UDP port|||
      <2000-9999>|Port number|||
        <cr>||||
        !
      !
    !
  !
!
system|System settings|k||
  message|System message shown on the phones|k/o/n||
    line|Up to 32 characters|lb/le/wa||
      <cr>||||
      !
    !
  !
!
