// "crypto isakmp key TYPE KEY": the key, then the peer it is shared with.
word|pre-shared key|k/n||
  address|define shared key with IP address|||
    a.b.c.d|Peer IP address|k/o/n||
      <cr>||||
      !
      a.b.c.d|Peer IP subnet mask|||
        <cr>||||
        !
        no-xauth|Bypasses XAuth for this peer|||
          <cr>||||
          !
        !
      !
      no-xauth|Bypasses XAuth for this peer|||
        <cr>||||
        !
      !
    !
  !
  hostname|Define shared key with hostname|||
    word|fully qualified domain name of peer|k/o/n||
      <cr>||||
      !
    !
  !
!
