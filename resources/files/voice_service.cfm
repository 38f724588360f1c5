// Voice service mode "(config-voi-serv)#".
allow-connections|Allow call connection types|k||
  #|from|k||
    h323|From H.323||
    sip|From SIP||
  #|||
    to|To|k||
      #|to|k||
        h323|To H.323||
        sip|To SIP||
      #|||
        <cr>||||
        !
      !
    !
  !
!
fax|Global fax settings|k||
  protocol|The fax protocol|k/o/n||
    #|protocol|||
      cisco|Cisco fax relay||
      none|No fax handling||
      t38|ITU-T T.38 fax relay||
    #|||
      <cr>||||
      !
    !
    pass-through|Fax pass-through|||
      #|codec|||
        g711alaw|G.711 A-law||
        g711ulaw|G.711 u-law||
      #|||
        <cr>||||
        !
      !
    !
  !
!
sip|SIP settings|k||
  <cr>||||@(conf-serv-sip)# voice_sip.cfm
  !
!
shutdown|Stop VoIP services|k/o/sb||
  <cr>||||
  !
!
