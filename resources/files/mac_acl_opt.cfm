// The options of a MAC access list entry.
<cr>||||
!
#|ethertype|k/n||
  aarp|EtherType: AppleTalk ARP||
  amber|EtherType: DEC-Amber||
  appletalk|EtherType: AppleTalk/EtherTalk||
  dec-spanning|EtherType: DEC-Spanning-Tree||
  decnet-iv|EtherType: DECnet Phase IV||
  diagnostic|EtherType: DEC-Diagnostic||
  dsm|EtherType: DEC-DSM||
  etype-6000|EtherType: 0x6000||
  etype-8042|EtherType: 0x8042||
  lat|EtherType: DEC-LAT||
  lavc-sca|EtherType: DEC-LAVC-SCA||
  mop-console|EtherType: DEC-MOP Remote Console||
  mop-dump|EtherType: DEC-MOP Dump||
  msdos|EtherType: DEC-MSDOS||
  mumps|EtherType: DEC-MUMPS||
  netbios|EtherType: DEC-NETBIOS||
  vines-echo|EtherType: VINES Echo||
  vines-ip|EtherType: VINES IP||
  xns-idp|EtherType: XNS IDP||
#|||
  <cr>||||
  !
!
<0-65535>|An arbitrary EtherType in decimal, hex, or octal|k/n||
  <cr>||||
  !
  <0-65535>|EtherType mask|k/n||
    <cr>||||
    !
  !
!
vlan|VLAN|k||
  <1-4094>|VLAN number|k/n||
    <cr>||||
    !
  !
!
cos|CoS value|k||
  <0-7>|CoS value|k/n||
    <cr>||||
    !
  !
!
