// IPsec profile mode "(ipsec-profile)#".
description|Description|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
set|Specify profile settings|k||
  #|parameter|k/o/n||
    transform-set|Specify list of transform sets in priority order||
    pfs|Specify pfs settings||
    isakmp-profile|Specify isakmp profile||
    ikev2-profile|Specify ikev2 profile||
    identity|Identity restriction||
  #|||
    line|value|lb/le/wa||
      <cr>||||
      !
    !
  !
  security-association|Security association parameters|k||
    #|parameter|k/o/n||
      lifetime|security association lifetime||
      idle-time|Automatically delete IPSec SAs after a given idle period||
      replay|Set replay checking||
    #|||
      line|value|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
!
responder-only|Do not initiate SAs from this device|k/o/sb||
  <cr>||||
  !
!
