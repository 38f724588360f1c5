// ISAKMP / IKEv1 policy mode "(config-isakmp)#".
authentication|Set authentication method for protection suite|k/o/n||
  #|method|||
    pre-share|Pre-Shared Key||
    rsa-encr|Rivest-Shamir-Adleman Encryption||
    rsa-sig|Rivest-Shamir-Adleman Signature||
  #|||
    <cr>||||
    !
  !
!
#|Set encryption algorithm for protection suite|k/o/n||
  encr|Set encryption algorithm for protection suite||
  encryption|Set encryption algorithm for protection suite||
#|||
  #|algorithm|||
    3des|Three key triple DES||
    des|DES - Data Encryption Standard (56 bit keys)||
    aes|AES - Advanced Encryption Standard||
    aes-128|AES with 128 bit keys||
    aes-192|AES with 192 bit keys||
    aes-256|AES with 256 bit keys||
  #|||
    <cr>||||
    !
    <128-256>|key length|||
      <cr>||||
      !
    !
  !
!
group|Set the Diffie-Hellman group|k/o/n||
  <1-24>|Diffie-Hellman group|||
    <cr>||||
    !
  !
!
hash|Set hash function for protection suite|k/o/n||
  #|hash|||
    md5|Message Digest 5||
    sha|Secure Hash Standard||
    sha256|Secure Hash Standard 2 (256 bit)||
    sha384|Secure Hash Standard 2 (384 bit)||
    sha512|Secure Hash Standard 2 (512 bit)||
  #|||
    <cr>||||
    !
  !
!
lifetime|Set lifetime for ISAKMP security association|k/o/n||
  <60-86400>|lifetime in seconds|||
    <cr>||||
    !
  !
!
