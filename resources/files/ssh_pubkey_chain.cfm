// SSH public key chain mode "(conf-ssh-pubkey)#".
username|SSH public key for a user|k||
  word|SSH user name|k/n||
    <cr>||||@(conf-ssh-pubkey-user)# ssh_pubkey_user.cfm
    !
  !
!
server|SSH public key for a server|k||
  word|SSH server name|k/n||
    <cr>||||@(conf-ssh-pubkey-server)# ssh_pubkey_user.cfm
    !
  !
!
