// Shared: the value of a route distinguisher.
#|route distinguisher|||
  aa:nn|ASN:nn or IP-address:nn||
  <1.0:0-65535.65535:65535>|ASN in asdot notation:nn||
#|||
  <cr>||||
  !
!
auto|Automatic route distinguisher|||
  <cr>||||
  !
!
