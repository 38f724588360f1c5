// ISAKMP profile mode "(conf-isa-prof)#".
ca|Specify certificate authorities to trust|k||
  trust-point|Specify trust point|k||
    word|Trustpoint name|k/n||
      <cr>||||
      !
    !
  !
!
description|Specify a description of this profile|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
initiate|Initiator property|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
keepalive|Set a keepalive interval for use with IOS peers|k/o/n||
  <10-3600>|Number of seconds between keep alives|||
    retry|Retry interval|||
      <2-60>|Number of seconds between retries if keep alive fails|||
        <cr>||||
        !
      !
    !
  !
!
keyring|Specify keyring to use|k/o/n||
  word|Keyring Name|||
    <cr>||||
    !
  !
!
local-address|Interface to use for local address for this isakmp profile|k/o/n||
  a.b.c.d|IP Address|||
    <cr>||||
    !
  !
  &interfacefile.cfm|Interface type|k||
    <slot/port>|interface number|n||
      <cr>||||
      !
    !
  !
!
match|Match values of peer|k||
  identity|Peer identity|k||
    #|identity type|k||
      address|IP Address(es)||
      host|Fully qualified domain name of peer||
      user|Fully qualified user name||
      group|Group name||
    #|||
      line|value|lb/le/wa/k/n||
        <cr>||||
        !
      !
      a.b.c.d|IP Address|k/n||
        <cr>||||
        !
        a.b.c.d|IP Subnet mask|||
          <cr>||||
          !
          word|VRF name|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  certificate|Peer certificate attributes|k||
    word|Certificate map name|k/n||
      <cr>||||
      !
    !
  !
!
reverse-route|Reverse route|k/o/sb||
  <cr>||||
  !
  line|options|lb/le/wa||
    <cr>||||
    !
  !
!
self-identity|Specify Identity to use|k/o/n||
  line|identity|lb/le/wa||
    <cr>||||
    !
  !
!
virtual-template|Specify the virtual template for dynamic interface creation|k/o/n||
  <1-200>|Virtual template number|||
    <cr>||||
    !
  !
!
vrf|Specify the VRF it is related to|k/o/n||
  word|VRF name|||
    <cr>||||
    !
  !
!
