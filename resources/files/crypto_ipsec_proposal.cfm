// IPsec proposal mode "(config-ipsec-proposal)#".
protocol|Protocol settings|k||
  #|protocol|k||
    esp|Encapsulating Security Payload||
    ah|Authentication Header||
  #|||
    #|what|k/o/n||
      encryption|Encryption algorithms||
      integrity|Integrity algorithms||
    #|||
      line|algorithms|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
!
