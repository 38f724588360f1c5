// Call-home profile mode "(cfg-call-home-profile)#".
active|Activate the current profile|k/o/sb||
  <cr>||||
  !
!
destination|Message destination related configuration|k||
  address|Configure destination address|k||
    #|transport|k||
      email|Email address||
      http|HTTP address||
    #|||
      word|Address|k/n||
        <cr>||||
        !
      !
    !
  !
  transport-method|To specify transport method for this profile|k||
    #|method|k/o/sb||
      email|Email||
      http|HTTP||
    #|||
      <cr>||||
      !
    !
  !
  #|setting|k/o/n||
    message-size-limit|Message size limit||
    preferred-msg-format|Preferred message format||
  #|||
    line|value|lb/le/wa||
      <cr>||||
      !
    !
  !
!
subscribe-to-alert-group|Subscribe to alert-group|k||
  word|Alert group|k/o/n||
    <cr>||||
    !
    line|severity, periodic and pattern|lb/le/wa||
      <cr>||||
      !
    !
  !
!
