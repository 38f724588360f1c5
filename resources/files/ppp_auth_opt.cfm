// "ppp authentication METHODS": the options that follow the methods on the
// same line, [if-needed] [LIST or default] [callin] [one-time] [optional].
<cr>||||
!
if-needed|Do not authenticate if already authenticated|ob/oe||
  <cr>||||
  !
!
default|Use the default authentication list|ob/oe||
  <cr>||||
  !
!
callin|Authenticate remote on incoming call only|ob/oe||
  <cr>||||
  !
!
one-time|Allow username and password in the username field|ob/oe||
  <cr>||||
  !
!
optional|Allow the peer to refuse to authenticate|ob/oe||
  <cr>||||
  !
!
word|Authentication list name|ob/oe||
  <cr>||||
  !
!
