// Certificate data mode "(config-pubkey)#": hexadecimal data up to "quit".
<0-ffffffff>|Certificate data (hexadecimal words)|k/lb/le/wa||
  <cr>||||
  !
!
quit|Exit data entry mode|k||
  <cr>||||
  !
!
