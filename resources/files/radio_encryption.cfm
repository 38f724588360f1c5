// The cipher suites of "encryption [vlan N] mode" on radio interfaces.
ciphers|Optional data ciphers|||
  #|cipher|lb/le/wa||
    aes-ccm|WPA AES CCMP||
    ckip|Cisco Per packet key hashing||
    ckip-cmic|Cisco Per packet key hashing and MIC (MMH)||
    cmic|Cisco MIC (MMH)||
    tkip|WPA Temporal Key encryption||
    wep128|128 bit key||
    wep40|40 bit key||
  #|||
    <cr>||||
    !
  !
!
wep|Classic 802.11 privacy algorithm|||
  #|requirement|||
    mandatory|Encryption must be used||
    optional|Encryption is optional||
  #|||
    <cr>||||
    !
  !
!
