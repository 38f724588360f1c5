// After a police rate: bursts, peak rate and result actions, any order.
<cr>||||@(config-pmap-c-police)# policy_map_police.cfm
!
// One number node for the burst: two overlapping ranges side by side make
// every burst in bytes ambiguous.
bc|Conform burst|ob||
  <1-512000000>|Burst in bytes, or a burst size with a unit|oe||
    <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
    !
    #|unit|oe||
      bytes|Bytes||
      kbytes|Kilobytes||
      mbytes|Megabytes||
      ms|Milliseconds||
      us|Microseconds||
    #|||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
!
be|Excess burst|ob||
  <1000-512000000>|Burst bytes|oe||
    <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
    !
  !
!
pir|Peak Information Rate|ob||
  <8000-10000000000>|Bits per second|oe||
    <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
    !
  !
!
conform-action|action when rate is less than conform burst|ob||
  #|action|oe||
    transmit|transmit packet||
    drop|drop packet||
    set-clp-transmit|set atm clp and send it||
    set-frde-transmit|set FR DE and send it||
  #|||
    <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
    !
  !
  set-dscp-transmit|set dscp and send it|||
    dscp|Set the dscp from a table|||
      table|Use a table map|||
        word|Table map name|oe||
          <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
          !
        !
      !
    !
    &dscp.cfm|new dscp|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  set-prec-transmit|rewrite packet precedence and send it|||
    &ip_precedence.cfm|new precedence|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  #|action with a value|||
    set-cos-transmit|set cos and send it||
    set-discard-class-transmit|set discard-class and send it||
    set-mpls-exp-imposition-transmit|set exp at tag imposition and send it||
    set-mpls-exp-topmost-transmit|set exp on topmost label and send it||
  #|||
    <0-7>|new value|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  set-qos-transmit|set qos-group and send it|||
    <0-99>|new qos-group|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
!
exceed-action|action when rate is within conform and conform + exceed burst|ob||
  #|action|oe||
    transmit|transmit packet||
    drop|drop packet||
    set-clp-transmit|set atm clp and send it||
    set-frde-transmit|set FR DE and send it||
  #|||
    <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
    !
  !
  set-dscp-transmit|set dscp and send it|||
    dscp|Set the dscp from a table|||
      table|Use a table map|||
        word|Table map name|oe||
          <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
          !
        !
      !
    !
    &dscp.cfm|new dscp|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  set-prec-transmit|rewrite packet precedence and send it|||
    &ip_precedence.cfm|new precedence|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  #|action with a value|||
    set-cos-transmit|set cos and send it||
    set-discard-class-transmit|set discard-class and send it||
    set-mpls-exp-imposition-transmit|set exp at tag imposition and send it||
    set-mpls-exp-topmost-transmit|set exp on topmost label and send it||
  #|||
    <0-7>|new value|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  set-qos-transmit|set qos-group and send it|||
    <0-99>|new qos-group|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
!
violate-action|action when rate is greater than conform + exceed burst|ob||
  #|action|oe||
    transmit|transmit packet||
    drop|drop packet||
    set-clp-transmit|set atm clp and send it||
    set-frde-transmit|set FR DE and send it||
  #|||
    <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
    !
  !
  set-dscp-transmit|set dscp and send it|||
    dscp|Set the dscp from a table|||
      table|Use a table map|||
        word|Table map name|oe||
          <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
          !
        !
      !
    !
    &dscp.cfm|new dscp|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  set-prec-transmit|rewrite packet precedence and send it|||
    &ip_precedence.cfm|new precedence|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  #|action with a value|||
    set-cos-transmit|set cos and send it||
    set-discard-class-transmit|set discard-class and send it||
    set-mpls-exp-imposition-transmit|set exp at tag imposition and send it||
    set-mpls-exp-topmost-transmit|set exp on topmost label and send it||
  #|||
    <0-7>|new value|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  set-qos-transmit|set qos-group and send it|||
    <0-99>|new qos-group|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
!
conform|action when rate is less than conform burst (short form)|ob||
  #|action|oe||
    transmit|transmit packet||
    drop|drop packet||
    set-clp-transmit|set atm clp and send it||
    set-frde-transmit|set FR DE and send it||
  #|||
    <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
    !
  !
  set-dscp-transmit|set dscp and send it|||
    dscp|Set the dscp from a table|||
      table|Use a table map|||
        word|Table map name|oe||
          <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
          !
        !
      !
    !
    &dscp.cfm|new dscp|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  set-prec-transmit|rewrite packet precedence and send it|||
    &ip_precedence.cfm|new precedence|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  #|action with a value|||
    set-cos-transmit|set cos and send it||
    set-discard-class-transmit|set discard-class and send it||
    set-mpls-exp-imposition-transmit|set exp at tag imposition and send it||
    set-mpls-exp-topmost-transmit|set exp on topmost label and send it||
  #|||
    <0-7>|new value|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  set-qos-transmit|set qos-group and send it|||
    <0-99>|new qos-group|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
!
exceed|action when rate is within conform and conform + exceed burst (short form)|ob||
  #|action|oe||
    transmit|transmit packet||
    drop|drop packet||
    set-clp-transmit|set atm clp and send it||
    set-frde-transmit|set FR DE and send it||
  #|||
    <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
    !
  !
  set-dscp-transmit|set dscp and send it|||
    dscp|Set the dscp from a table|||
      table|Use a table map|||
        word|Table map name|oe||
          <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
          !
        !
      !
    !
    &dscp.cfm|new dscp|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  set-prec-transmit|rewrite packet precedence and send it|||
    &ip_precedence.cfm|new precedence|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  #|action with a value|||
    set-cos-transmit|set cos and send it||
    set-discard-class-transmit|set discard-class and send it||
    set-mpls-exp-imposition-transmit|set exp at tag imposition and send it||
    set-mpls-exp-topmost-transmit|set exp on topmost label and send it||
  #|||
    <0-7>|new value|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  set-qos-transmit|set qos-group and send it|||
    <0-99>|new qos-group|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
!
violate|action when rate is greater than conform + exceed burst (short form)|ob||
  #|action|oe||
    transmit|transmit packet||
    drop|drop packet||
    set-clp-transmit|set atm clp and send it||
    set-frde-transmit|set FR DE and send it||
  #|||
    <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
    !
  !
  set-dscp-transmit|set dscp and send it|||
    dscp|Set the dscp from a table|||
      table|Use a table map|||
        word|Table map name|oe||
          <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
          !
        !
      !
    !
    &dscp.cfm|new dscp|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  set-prec-transmit|rewrite packet precedence and send it|||
    &ip_precedence.cfm|new precedence|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  #|action with a value|||
    set-cos-transmit|set cos and send it||
    set-discard-class-transmit|set discard-class and send it||
    set-mpls-exp-imposition-transmit|set exp at tag imposition and send it||
    set-mpls-exp-topmost-transmit|set exp on topmost label and send it||
  #|||
    <0-7>|new value|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
  set-qos-transmit|set qos-group and send it|||
    <0-99>|new qos-group|oe||
      <cr>||||@(config-pmap-c-police)# policy_map_police.cfm
      !
    !
  !
!
