// SSH public key of a user or server.
key-hash|Key hash|k||
  word|Key type|||
    word|Key hash|k/n||
      <cr>||||
      !
      line|Key comment|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
!
key-string|Key string|k||
  <cr>||||@(conf-ssh-pubkey-data)# crypto_cert_data.cfm
  !
!
