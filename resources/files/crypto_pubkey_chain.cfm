// Public key chain mode "(config-pubkey-chain)#".
addressed-key|Enter a addressed peer's key|k||
  a.b.c.d|IP address|k/n||
    <cr>||||@(config-pubkey-key)# crypto_pubkey_key.cfm
    !
  !
!
named-key|Enter a named peer's key|k||
  word|Peer name|k/n||
    <cr>||||@(config-pubkey-key)# crypto_pubkey_key.cfm
    !
    #|usage|||
      encryption|Encryption key||
      signature|Signature key||
    #|||
      <cr>||||@(config-pubkey-key)# crypto_pubkey_key.cfm
      !
    !
  !
!
