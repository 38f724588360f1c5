// Shared: what follows "username NAME"; the options come in any order, a
// password takes the rest of the line.
<cr>||||
!
privilege|Set user privilege level|ob||
  <0-15>|User privilege level|oe||
    <cr>||||
    !
  !
!
password|Specify the password for the user|ob||
  #|Encryption type|||
    0|Specifies an UNENCRYPTED password will follow||
    7|Specifies a HIDDEN password will follow||
  #|||
    line|The password|lb/le/wa||
      <cr>||||
      !
    !
  !
  line|The UNENCRYPTED (cleartext) user password|lb/le/wa||
    <cr>||||
    !
  !
!
secret|Specify the secret for the user|ob||
  #|Encryption type|||
    0|Specifies an UNENCRYPTED secret will follow||
    4|Specifies a SHA-256 ENCRYPTED secret will follow (deprecated)||
    5|Specifies a MD5 HASHED secret will follow||
    8|Specifies a PBKDF2 HASHED secret will follow||
    9|Specifies a SCRYPT HASHED secret will follow||
  #|||
    word|The secret|oe||
      <cr>||||
      !
    !
  !
  word|The UNENCRYPTED (cleartext) user secret|oe||
    <cr>||||
    !
  !
!
nopassword|No password is required for the user to log in|ob/oe||
  <cr>||||
  !
!
autocommand|Automatically issue a command after the user logs in|ob||
  line|Command to be automatically issued|lb/le/wa||
    <cr>||||
    !
  !
!
view|Set view name|ob||
  word|View name|oe||
    <cr>||||
    !
  !
!
algorithm-type|Algorithm to use for hashing the plaintext secret|ob||
  #|Algorithm|oe||
    md5|Encode the password using the MD5 algorithm||
    scrypt|Encode the password using the SCRYPT hashing algorithm||
    sha256|Encode the password using the PBKDF2 hashing algorithm||
  #|||
    <cr>||||
    !
  !
!
