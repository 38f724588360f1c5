// PKI trustpoint mode "(ca-trustpoint)#".
auto-enroll|Auto enroll|k/o/sb||
  <cr>||||
  !
  line|percentage and regenerate|lb/le/wa||
    <cr>||||
    !
  !
!
auto-import|Auto import|k/o/sb||
  <cr>||||
  !
!
cdp-url|CRL distribution point (CDP) URL|k/o/n||
  word|URL|||
    <cr>||||
    !
  !
!
crl|CRL option|k||
  configure|CRL configuration|k||
    <cr>||||
    !
  !
  line|option|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
database|Database|k||
  archive|Archive|k/o/sb||
    <cr>||||
    !
  !
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
enrollment|Enrollment parameters|k||
  #|method|k/o/n||
    selfsigned|Self Signed enrollment||
    terminal|Enroll via the terminal (cut-and-paste)||
    self|Self enrollment||
    pkcs12|PKCS12 enrollment||
  #|||
    <cr>||||
    !
  !
  url|Enrollment URL|k/o/n||
    word|URL|||
      <cr>||||
      !
    !
  !
  line|other settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
fqdn|Fully qualified domain name|k/o/n||
  word|FQDN or none|||
    <cr>||||
    !
  !
!
grant|Grant certificate requests|k||
  auto|Automatically grant incoming certificate requests|k/o/sb||
    <cr>||||
    !
  !
!
issuer-name|Issuer name|k/o/n||
  line|issuer name|lb/le/wa||
    <cr>||||
    !
  !
!
keypair|Key pair|k/o/n||
  word|Key pair name|||
    <cr>||||
    !
  !
!
hash|Hash algorithm used to sign the certificate request|k/o/n||
  #|algorithm|||
    md5|MD5 (not recommended)||
    sha1|SHA-1||
    sha256|SHA-256||
    sha384|SHA-384||
    sha512|SHA-512||
  #|||
    <cr>||||
    !
  !
!
ip-address|Include an IP address in the certificate request|k/o/n||
  a.b.c.d|IP address|||
    <cr>||||
    !
  !
  none|Do not include an IP address|||
    <cr>||||
    !
  !
  &interfacefile.cfm|Interface whose address is included|||
    <slot/port>|Interface number|||
      <cr>||||
      !
    !
  !
!
revocation-check|Revocation checking options|k/o/n||
  #|method|lb/le/wa||
    crl|Revocation check by CRL||
    none|Ignore revocation check||
    ocsp|Revocation check by OCSP||
  #|||
    <cr>||||
    !
  !
!
serial-number|Include the router serial number in the certificate request|k/o/sb||
  <cr>||||
  !
  none|Do not include serial number|||
    <cr>||||
    !
  !
!
shutdown|Shut down the server|k/o/sb||
  <cr>||||
  !
!
smtp|SMTP settings|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
subject-alt-name|Subject Alternative Name|k/o/n||
  line|name|lb/le/wa||
    <cr>||||
    !
  !
!
subject-name|Subject Name|k/o/n||
  line|subject name|lb/le/wa||
    <cr>||||
    !
  !
!
rsakeypair|Specifies RSA keypair to use|k/o/n||
  word|RSA keypair label|||
    <cr>||||
    !
    line|key sizes|lb/le/wa||
      <cr>||||
      !
    !
  !
!
usage|Usage|k/o/n||
  line|usage|lb/le/wa||
    <cr>||||
    !
  !
!
validation-usage|Validation usage|k/o/sb||
  <cr>||||
  !
  line|usage|lb/le/wa||
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
