// "ip virtual-reassembly[-out]": the options, in any order.
<cr>||||
!
max-reassemblies|Maximum number of concurrent reassemblies|ob||
  <1-8192>|Number of concurrent reassemblies|oe||
    <cr>||||
    !
  !
!
max-fragments|Maximum number of fragments per datagram|ob||
  <1-64>|Number of fragments|oe||
    <cr>||||
    !
  !
!
timeout|Packet reassembly timeout|ob||
  <1-10>|Seconds|oe||
    <cr>||||
    !
  !
!
drop-fragments|Drop all fragments|ob/oe||
  <cr>||||
  !
!
