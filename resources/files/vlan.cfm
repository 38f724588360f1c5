// VLAN configuration mode "(config-vlan)#".
name|Ascii name of the VLAN|k/o/n||
  word|The ascii name for the VLAN|||
    <cr>||||
    !
  !
!
state|Operational state of the VLAN|k/o/n||
  #|state|||
    active|VLAN Active State||
    suspend|VLAN Suspended State||
  #|||
    <cr>||||
    !
  !
!
shutdown|Shutdown VLAN switching|k/o/sb||
  <cr>||||
  !
!
mtu|VLAN Maximum Transmission Unit|k/o/n||
  <1500-18190>|Value of VLAN Maximum Tranmission Unit|||
    <cr>||||
    !
  !
!
private-vlan|Configure a private VLAN|k/o/n||
  line|type and association|lb/le/wa||
    <cr>||||
    !
  !
!
remote-span|Configure as Remote SPAN VLAN|k/o/sb||
  <cr>||||
  !
!
