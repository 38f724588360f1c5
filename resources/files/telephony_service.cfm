// Telephony service mode "(config-telephony)#" (Cisco Unified CME).
auto|Automatic settings|k||
  assign|Assign directory numbers to phones automatically|k/o/n||
    <1-15000>|First directory number tag|||
      to|Last|||
        <1-15000>|Last directory number tag|||
          <cr>||||
          !
        !
      !
    !
  !
!
create|Create files|k||
  cnf-files|Create the configuration files of the phones|k/o/sb||
    <cr>||||
    !
    version-stamp|Version stamp of the files|||
      line|Stamp|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
!
ip|IP settings|k||
  source-address|Source address of the SCCP phones' server|k/o/n||
    a.b.c.d|IP address|||
      <cr>||||
      !
      port|TCP port|||
        <2000-9999>|Port number|||
          <cr>||||
          !
        !
      !
    !
  !
!
keepalive|Keepalive interval of the phones|k/o/n||
  <10-65535>|Seconds|||
    <cr>||||
    !
  !
!
load|Firmware file of a phone type|k||
  word|Phone type|k/n||
    word|Firmware file name|o||
      <cr>||||
      !
    !
  !
!
max-conferences|Maximum simultaneous conferences|k/o/n||
  <1-100>|Conferences|||
    <cr>||||
    !
  !
!
max-dn|Maximum directory numbers supported|k/o/n||
  <0-15000>|Directory numbers|||
    <cr>||||
    !
  !
!
max-ephones|Maximum phones supported|k/o/n||
  <0-2000>|Phones|||
    <cr>||||
    !
  !
!
system|System settings|k||
  message|System message shown on the phones|k/o/n||
    line|Message|lb/le/wa||
      <cr>||||
      !
    !
  !
!
transfer-system|Call transfer method|k/o/n||
  #|method|||
    blind|Blind transfer with a single line||
    full-blind|Blind transfer with a second line||
    full-consult|Consultative transfer with a second line||
    local-consult|Local consultative transfer||
  #|||
    <cr>||||
    !
  !
!
