// Key chain key mode "(config-keychain-key)#".
accept-lifetime|Set accept lifetime of key|k/o/n||
  line|start time, then end time, duration or infinite|lb/le/wa||
    <cr>||||
    !
  !
!
cryptographic-algorithm|Set cryptographic authentication algorithm|k/o/n||
  word|Algorithm|||
    <cr>||||
    !
  !
!
key-string|Set key string|k/o/n||
  0|Specifies an UNENCRYPTED key will follow|||
    line|The key|lb/le/wa||
      <cr>||||
      !
    !
  !
  7|Specifies a HIDDEN key will follow|||
    word|The encrypted key|||
      <cr>||||
      !
    !
  !
  line|The UNENCRYPTED (cleartext) key|lb/le/wa||
    <cr>||||
    !
  !
!
send-lifetime|Set send lifetime of key|k/o/n||
  line|start time, then end time, duration or infinite|lb/le/wa||
    <cr>||||
    !
  !
!
