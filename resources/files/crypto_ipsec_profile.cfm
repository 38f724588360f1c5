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
    isakmp-profile|Specify isakmp profile||
    ikev2-profile|Specify ikev2 profile||
    identity|Identity restriction||
  #|||
    line|value|lb/le/wa||
      <cr>||||
      !
    !
  !
  pfs|Specify pfs settings|k/o/n||
    <cr>||||
    !
    #|group|||
      group1|D-H Group1 (768-bit modulus)||
      group2|D-H Group2 (1024-bit modulus)||
      group5|D-H Group5 (1536-bit modulus)||
      group14|D-H Group14 (2048-bit modulus)||
      group15|D-H Group15 (3072-bit modulus)||
      group16|D-H Group16 (4096-bit modulus)||
      group19|D-H Group19 (256-bit elliptic curve)||
      group20|D-H Group20 (384-bit elliptic curve)||
      group21|D-H Group21 (521-bit elliptic curve)||
      group24|D-H Group24 (2048-bit modulus and 256-bit subgroup)||
    #|||
      <cr>||||
      !
    !
  !
  security-association|Security association parameters|k||
    lifetime|security association lifetime|k/o/n||
      seconds|Time-based key duration in seconds|||
        <120-2592000>|Security association duration in seconds|||
          <cr>||||
          !
        !
      !
      kilobytes|Volume-based key duration|||
        <2560-4294967295>|Security association duration in kilobytes encrypted|||
          <cr>||||
          !
        !
        disable|Disable volume-based key duration|||
          <cr>||||
          !
        !
      !
      days|Time-based key duration in days|||
        <1-30>|Security association duration in days|||
          <cr>||||
          !
        !
      !
    !
    #|parameter|k/o/n||
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
