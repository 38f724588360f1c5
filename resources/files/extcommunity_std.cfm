// The entries of a standard extended community list: an action, then the
// route targets and sites of origin.
#|action|k||
  permit|Specify community to accept||
  deny|Specify community to reject||
#|||
  #|extended community|lb||
    rt|Route Target||
    soo|Site of Origin||
  #|||
    #|value|le/wa/k/n||
      aa:nn|ASN:nn or IP-address:nn||
      <1.0:0-65535.65535:65535>|ASN in asdot notation:nn||
    #|||
      <cr>||||
      !
    !
  !
!
