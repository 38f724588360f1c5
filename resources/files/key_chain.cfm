// Key chain mode "(config-keychain)#".
key|Configure a key|k||
  <0-2147483647>|Key identifier|k/n||
    <cr>||||@(config-keychain-key)# key_chain_key.cfm
    !
  !
!
