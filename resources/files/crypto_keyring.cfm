// Crypto keyring mode "(conf-keyring)#".
description|Description|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
local-address|Interface to use for local address for this keyring|k/o/n||
  a.b.c.d|IP Address|||
    <cr>||||
    !
  !
  &interfacefile.cfm|Interface type|k||
    <slot/port>|interface number|n||
      <cr>||||
      !
    !
  !
!
pre-shared-key|specify pre-shared key by address or hostname|k||
  address|pre shared key by address|k||
    a.b.c.d|IP Address|k/n||
      a.b.c.d|Subnet mask|k/n||
        key|key|||
          line|pre-shared key|lb/le/wa/o/n||
            <cr>||||
            !
          !
        !
      !
      key|key|||
        line|pre-shared key|lb/le/wa/o/n||
          <cr>||||
          !
        !
      !
    !
  !
  hostname|pre shared key by hostname|k||
    word|fully qualified domain name of peer|k/n||
      key|key|||
        line|pre-shared key|lb/le/wa/o/n||
          <cr>||||
          !
        !
      !
    !
  !
!
rsa-pubkey|Peer RSA public key|k||
  line|peer and key name|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
