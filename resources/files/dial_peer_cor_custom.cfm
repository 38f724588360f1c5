// dial-peer cor custom: the names of the classes of restriction, one line each
name|Name of a class of restriction|k||
  word|Class of restriction name|k/n||
    <cr>||||
    !
  !
!
