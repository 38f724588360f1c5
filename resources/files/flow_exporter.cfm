// Flow exporter mode "(config-flow-exporter)#".
description|Provide a description for this flow exporter|k/o/n||
  line|Up to 63 characters describing this flow exporter|lb/le/wa||
    <cr>||||
    !
  !
!
destination|Export destination configuration|k/o/n||
  hostname or a.b.c.d|Destination IPv4 address or hostname|||
    <cr>||||
    !
    vrf|VRF of the destination|||
      word|VRF name|||
        <cr>||||
        !
      !
    !
  !
!
source|Originating interface|k/o/n||
  &interfacefile.cfm|Interface type|||
    <slot/port>|Interface number|||
      <cr>||||
      !
    !
  !
!
transport|Transport protocol|k/o/n||
  udp|UDP transport protocol|||
    <1-65535>|Port value|||
      <cr>||||
      !
    !
  !
!
export-protocol|Export protocol version|k/o/n||
  #|protocol|||
    netflow-v5|NetFlow version 5||
    netflow-v9|NetFlow version 9||
    ipfix|IPFIX||
  #|||
    <cr>||||
    !
  !
!
template|Flow exporter template configuration|k||
  data|Data template configuration|k||
    timeout|Resend data based on a timeout|k/o/n||
      <1-86400>|Timeout in seconds|||
        <cr>||||
        !
      !
    !
  !
!
option|Select an option for exporting|k||
  #|option|k/o/n||
    interface-table|Interface SNMP-index-to-name table||
    exporter-stats|Exporter statistics||
    sampler-table|Sampler table||
    vrf-table|VRF ID-to-name table||
    application-table|Application table||
    application-attributes|Application attributes||
    sub-application-table|Sub-application table||
  #|||
    <cr>||||
    !
    timeout|Option resend time|||
      <1-86400>|Timeout in seconds|||
        <cr>||||
        !
      !
    !
  !
!
dscp|Optional DSCP|k/o/n||
  <0-63>|DSCP|||
    <cr>||||
    !
  !
!
ttl|Optional TTL or hop limit|k/o/n||
  <1-255>|Time to live|||
    <cr>||||
    !
  !
!
output-features|Send export packets via IOS output feature path|k/o/sb||
  <cr>||||
  !
!
