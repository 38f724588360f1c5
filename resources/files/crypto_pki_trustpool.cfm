// PKI trustpool policy mode "(ca-trustpool)#".
auto-import|Automatically import the CA bundle|k/o/sb||
  <cr>||||
  !
!
#|setting|k/o/n||
  cabundle|CA bundle||
  chain-validation|Chain validation||
  crl|CRL||
  match|Match||
  ocsp|OCSP||
  revocation-check|Revocation check||
  storage|Storage||
  vrf|VRF||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
