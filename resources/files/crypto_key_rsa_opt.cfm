// "crypto key generate rsa": the options, in any order.
<cr>||||
!
general-keys|Generate a general purpose RSA key pair for signing and encryption|ob/oe||
  <cr>||||
  !
!
usage-keys|Generate separate RSA key pairs for signing and encryption|ob/oe||
  <cr>||||
  !
!
encryption|Generate a general purpose RSA key pair for encryption|ob/oe||
  <cr>||||
  !
!
signature|Generate a general purpose RSA key pair for signing|ob/oe||
  <cr>||||
  !
!
label|Provide a label|ob||
  word|RSA keypair label|oe||
    <cr>||||
    !
  !
!
exportable|Allow the key to be exported|ob/oe||
  <cr>||||
  !
!
modulus|Provide number of modulus bits on the command line|ob||
  <360-4096>|size of the key modulus|oe||
    <cr>||||
    !
  !
!
storage|Store key on specified device|ob||
  word|Storage device|oe||
    <cr>||||
    !
  !
!
on|Create key on specified device|ob||
  word|Device|oe||
    <cr>||||
    !
  !
!
