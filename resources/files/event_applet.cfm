// Event manager applet mode "(config-applet)#".
action|Add or modify an action statement|k||
  word|Action label|k/o/n||
    line|action (cli, syslog, info, wait, ...)|lb/le/wa||
      <cr>||||
      !
    !
  !
!
description|Description|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
event|Add or modify event information|k||
  #|event type|k/o/n||
    cli|CLI event||
    timer|Timer event||
    interface|Interface counter event||
    syslog|Syslog event||
    none|Manually run policy event||
    track|Tracking object event||
    snmp|SNMP event||
    routing|Routing event||
  #|||
    line|event to watch for|lb/le/wa||
      <cr>||||
      !
    !
  !
!
set|Set a variable|k||
  word|Action label|k/o/n||
    line|variable and value|lb/le/wa||
      <cr>||||
      !
    !
  !
!
trigger|Trigger|k||
  <cr>||||
  !
!
