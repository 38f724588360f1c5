// Class-map mode "(config-cmap)#".  Every "match" line is its own criterion.
description|Class-Map description|k/o/n||
  line|Description of this class-map (up to 200 characters)|lb/le/wa||
    <cr>||||
    !
  !
!
match|classification criteria|k||
  access-group|Access group|k||
    <1-2799>|Access list index|k/n||
      <cr>||||
      !
    !
    name|Named Access List|k||
      word|Access List name|k/n||
        <cr>||||
        !
      !
    !
  !
  any|Any packets|k||
    <cr>||||
    !
  !
  class-map|Class map|k||
    word|Match class-map name|k/n||
      <cr>||||
      !
    !
  !
  #|criterion|k||
    cos|IEEE 802.1Q/ISL class of service/user priority values||
    dscp|Match DSCP in IP(v4) and IPv6 packets||
    precedence|Match Precedence in IP(v4) and IPv6 packets||
    qos-group|Qos-group||
    mpls|Multi Protocol Label Switching specific values||
    vlan|VLANs to match||
    input-interface|Select an input interface to match||
    packet|Layer 3 Packet length||
    source-address|Source address||
    destination-address|Destination address||
    discard-class|Discard behavior identifier||
    ip|IP specific values||
    fr-de|Match on Frame-relay DE bit||
  #|||
    line|values|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  protocol|Protocol|k||
    line|protocol and options|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  not|Negate this match result|k||
    line|criterion|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  #|session criterion|k||
    result-type|result type||
    authorization-status|authorization status||
    method|method||
    activated-service-template|activated service template||
    service-template|service template||
  #|||
    line|value|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  line|other criterion|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
<1-65535>|Sequence number of a match statement|k/n||
  match|classification criteria|||
    line|criterion|lb/le/wa/n||
      <cr>||||
      !
    !
  !
!
