// "set" of a crypto map entry typed on one line (firewall style):
// the peer, PFS group, transform sets and SA lifetimes.
peer|Set peer address|k/a||
  hostname or a.b.c.d|IP address or host name of the peer|lb/le/m/n||
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
    group19|D-H Group19 (256-bit elliptic curve)||
    group20|D-H Group20 (384-bit elliptic curve)||
    group21|D-H Group21 (521-bit elliptic curve)||
    group24|D-H Group24 (2048-bit modulus and 256-bit subgroup)||
  #|||
    <cr>||||
    !
  !
!
transform-set|Specify list of transform sets in priority order|k/o/n||
  word|Transform set name|lb/le/wa||
    <cr>||||
    !
  !
!
ikev1|IKEv1 settings|k||
  transform-set|Specify list of transform sets in priority order|k/o/n||
    word|Transform set name|lb/le/wa||
      <cr>||||
      !
    !
  !
!
ikev2|IKEv2 settings|k||
  ipsec-proposal|Specify list of IPsec proposals in priority order|k/o/n||
    word|Proposal name|lb/le/wa||
      <cr>||||
      !
    !
  !
!
security-association|Security association parameters|k||
  lifetime|Security association lifetime|k||
    seconds|Time-based key duration in seconds|k/o/n||
      <120-2592000>|Security association duration in seconds|||
        <cr>||||
        !
      !
    !
    kilobytes|Volume-based key duration|k/o/n||
      <10-2147483647>|Security association duration in kilobytes encrypted|||
        <cr>||||
        !
      !
      unlimited|Disable volume-based rekey|||
        <cr>||||
        !
      !
    !
  !
!
reverse-route|Reverse route injection|k/o/sb||
  <cr>||||
  !
!
nat-t-disable|Disable NAT traversal|k/o/sb||
  <cr>||||
  !
!
