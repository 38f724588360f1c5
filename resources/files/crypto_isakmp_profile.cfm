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
    address|IP Address(es)|k||
      a.b.c.d|IP Address|k/n||
        <cr>||||
        !
        a.b.c.d|IP Subnet mask|k/n||
          <cr>||||
          !
          word|VRF name|k/n||
            <cr>||||
            !
          !
        !
        word|VRF name|k/n||
          <cr>||||
          !
        !
      !
      ipv6|IPv6 address|k||
        word|IPv6 prefix|k/n||
          <cr>||||
          !
        !
      !
    !
    host|Fully qualified domain name of peer|k||
      word|Fully qualified domain name|k/n||
        <cr>||||
        !
      !
      domain|Domain name of the peer|k||
        word|Domain name|k/n||
          <cr>||||
          !
        !
      !
    !
    user|Fully qualified user name|k||
      word|User name|k/n||
        <cr>||||
        !
      !
      domain|Domain of the user|k||
        word|Domain name|k/n||
          <cr>||||
          !
        !
      !
    !
    group|Group name|k||
      word|Group name|k/n||
        <cr>||||
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
  #|identity|||
    address|Use the IP address of the interface||
    fqdn|Use the hostname of the router||
  #|||
    <cr>||||
    !
  !
  a.b.c.d|IP address|||
    <cr>||||
    !
  !
  user-fqdn|Use a user name|||
    word|User name|||
      <cr>||||
      !
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
