// Crypto map entry mode "(config-crypto-map)#", also used for dynamic maps.
description|Description of the crypto map statement policy|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
match|Match values|k||
  address|Match address of packets to encrypt|k/o/n||
    word|IP access-list number or name|||
      <cr>||||
      !
    !
  !
!
reverse-route|Reverse Route Injection|k/o/sb||
  <cr>||||
  !
  line|options|lb/le/wa||
    <cr>||||
    !
  !
!
set|Set values for encryption/decryption|k||
  peer|Allowed Encryption/Decryption peer|k||
    hostname or a.b.c.d|IP address of peer|k/n||
      <cr>||||
      !
      default|Default peer|||
        <cr>||||
        !
      !
    !
  !
  #|parameter|k/o/n||
    transform-set|Specify list of transform sets in priority order||
    pfs|Specify pfs settings||
    isakmp-profile|Specify isakmp Profile||
    ikev2-profile|Specify ikev2 Profile||
    ikev1|IKEv1 settings||
    nat|NAT settings||
    reverse-route|Reverse route settings||
  #|||
    <cr>||||
    !
    line|value|lb/le/wa||
      <cr>||||
      !
    !
  !
  security-association|Security association parameters|k||
    #|parameter|k/o/n||
      lifetime|security association lifetime||
      idle-time|Automatically delete IPSec SAs after a given idle period||
      level|specify if security associations should be per host||
      replay|Set replay checking||
    #|||
      line|value|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
!
