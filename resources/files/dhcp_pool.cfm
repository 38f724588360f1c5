// DHCP pool mode "(dhcp-config)#".
address|Configure a reserved address|k||
  a.b.c.d|IP address to reserve|k/n||
    #|client identity|o/n||
      client-id|Client identifier||
      hardware-address|Client hardware address||
    #|||
      word|Client identifier or hardware address (dotted hexadecimal)|||
        <cr>||||
        !
      !
    !
  !
!
bootfile|Boot file name|k/o/n||
  word|Boot file name|||
    <cr>||||
    !
  !
!
client-identifier|Client identifier|k/o/n||
  word|Dotted-hexadecimal string|||
    <cr>||||
    !
  !
!
client-name|Client name|k/o/n||
  word|Client name|||
    <cr>||||
    !
  !
!
default-router|Default routers|k/o/n||
  a.b.c.d|Router's IP address|lb/le/wa||
    <cr>||||
    !
  !
!
dns-server|DNS servers|k/o/n||
  a.b.c.d|Server's IP address|lb/le/wa||
    <cr>||||
    !
  !
!
domain-name|Domain name|k/o/n||
  word|Domain name|||
    <cr>||||
    !
  !
!
hardware-address|Client hardware address|k/o/n||
  word|Dotted-hexadecimal string|||
    <cr>||||
    !
  !
!
host|Client IP address and mask|k/o/n||
  a.b.c.d|IP address in dotted-decimal notation|||
    <cr>||||
    !
    a.b.c.d|IP subnet mask|||
      <cr>||||
      !
    !
    <0-32>|Subnet prefix length|||
      <cr>||||
      !
    !
  !
!
import|Programs the DHCP server to import options|k||
  all|Import all options|k/o/sb||
    <cr>||||
    !
  !
!
lease|Address lease time|k/o/n||
  <0-365>|Days|||
    <cr>||||
    !
    <0-23>|Hours|||
      <cr>||||
      !
      <0-59>|Minutes|||
        <cr>||||
        !
      !
    !
  !
  infinite|Infinite lease|||
    <cr>||||
    !
  !
!
netbios-name-server|NetBIOS (WINS) name servers|k/o/n||
  a.b.c.d|Server's IP address|lb/le/wa||
    <cr>||||
    !
  !
!
netbios-node-type|NetBIOS node type|k/o/n||
  word|Node type|||
    <cr>||||
    !
  !
!
network|Network number and mask|k/o/n||
  a.b.c.d|Network number in dotted-decimal notation|||
    <cr>||||
    !
    a.b.c.d|Network mask|||
      <cr>||||
      !
    !
    <0-32>|Subnet prefix length|||
      <cr>||||
      !
    !
  !
!
next-server|Next server in boot process|k/o/n||
  a.b.c.d|Server's IP address|lb/le/wa||
    <cr>||||
    !
  !
!
option|Raw DHCP options|k||
  <0-254>|DHCP option code|k/o/n||
    line|option value|lb/le/wa||
      <cr>||||
      !
    !
  !
!
relay|Function as a DHCP relay for this pool|k||
  destination|Configure relay destination|k||
    a.b.c.d|Destination server address|k/n||
      <cr>||||
      !
    !
  !
  source|Configure relay source|k/o/n||
    a.b.c.d|Source subnet|||
      a.b.c.d|Source subnet mask|||
        <cr>||||
        !
      !
    !
  !
!
reserved-only|Allocate only reserved addresses|k/o/sb||
  <cr>||||
  !
!
update|Dynamic updates|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
utilization|Pool utilization|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
vrf|VRF|k/o/n||
  word|VRF name|||
    <cr>||||
    !
  !
!
