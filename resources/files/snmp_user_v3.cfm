// "snmp-server user NAME GROUP v3": authentication and privacy keys.
<cr>||||
!
auth|authentication parameters for the user|||
  #|algorithm|||
    md5|Use HMAC MD5 algorithm for authentication||
    sha|Use HMAC SHA algorithm for authentication||
  #|||
    word|authentication password for user|||&snmp_user_access.cfm
      priv|encryption parameters for the user|||
        #|cipher|||
          3des|Use 168 bit 3DES algorithm for encryption||
          des|Use 56 bit DES algorithm for encryption||
        #|||
          word|privacy password for user|||&snmp_user_access.cfm
          !
        !
        aes|Use AES algorithm for encryption|||
          #|key size|||
            128|Use 128 bit AES algorithm for encryption||
            192|Use 192 bit AES algorithm for encryption||
            256|Use 256 bit AES algorithm for encryption||
          #|||
            word|privacy password for user|||&snmp_user_access.cfm
            !
          !
        !
      !
    !
  !
!
access|Specify an access-list associated with this user|||
  #|access list|||
    <1-99>|Std IP accesslist allowing access with this user||
    word|Access-list name||
  #|||
    <cr>||||
    !
  !
!
