// dial-peer cor list NAME: the classes of restriction of the list, one line each
member|Member of the list|k||
  word|Class of restriction name|k/n||
    <cr>||||
    !
  !
!
