// Certificate chain mode "(config-cert-chain)#": one certificate each.
certificate|Enter a certificate|k||
  #|certificate kind|k||
    ca|Certificate authority certificate||
    self-signed|Self-signed certificate||
    rollover|Rollover certificate||
  #|||
    word|Certificate serial number|k/n||
      <cr>||||@(config-pubkey)# crypto_cert_data.cfm
      !
    !
  !
  word|Certificate serial number|k/n||
    <cr>||||@(config-pubkey)# crypto_cert_data.cfm
    !
  !
!
