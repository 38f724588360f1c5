// "logging discriminator NAME": match clauses, each with drops or
// includes a regular expression (severity takes a level group).
<cr>||||
!
#|field|ob||
  facility|Facility pattern for messaging suppression||
  mnemonics|Mnemonics pattern for messaging suppression||
  msg-body|Msg-body pattern for messaging suppression||
  severity|Severity group for messaging suppression||
#|||
  #|action|||
    drops|To drop messages including the specified regexp string||
    includes|To deliver messages including the specified regexp string||
  #|||
    word|Regular expression or severity group|oe||
      <cr>||||
      !
    !
  !
!
rate-limit|To rate-limit messages|ob||
  <1-10000>|Messages per second|oe||
    <cr>||||
    !
  !
!
