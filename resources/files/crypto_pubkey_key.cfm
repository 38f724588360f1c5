// Peer public key mode "(config-pubkey-key)#".
address|Peer address|k/o/n||
  a.b.c.d|IP address|||
    <cr>||||
    !
  !
!
key-string|Enter a public key as a hexadecimal string|k||
  <cr>||||@(config-pubkey)# crypto_cert_data.cfm
  !
!
quit|Exit|k||
  <cr>||||
  !
!
