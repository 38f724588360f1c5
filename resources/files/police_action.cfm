// The action of a police conform, exceed or violate result.
#|action|||
  transmit|transmit packet||
  drop|drop packet||
  set-clp-transmit|set atm clp and send it||
  set-frde-transmit|set FR DE and send it||
#|||
  <cr>||||
  !
!
set-dscp-transmit|set dscp and send it|||
  dscp|Set the dscp from a table|||
    table|Use a table map|||
      word|Table map name|||
        <cr>||||
        !
      !
    !
  !
  &dscp.cfm|new dscp|||
    <cr>||||
    !
  !
!
set-prec-transmit|rewrite packet precedence and send it|||
  &ip_precedence.cfm|new precedence|||
    <cr>||||
    !
  !
!
#|action with a value|||
  set-cos-transmit|set cos and send it||
  set-discard-class-transmit|set discard-class and send it||
  set-mpls-exp-imposition-transmit|set exp at tag imposition and send it||
  set-mpls-exp-topmost-transmit|set exp on topmost label and send it||
#|||
  <0-7>|new value|||
    <cr>||||
    !
  !
!
set-qos-transmit|set qos-group and send it|||
  <0-99>|new qos-group|||
    <cr>||||
    !
  !
!
