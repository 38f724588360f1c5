// Service template mode.
#|setting|k/o/n||
  access-group|Access group||
  description|Description||
  inactivity-timer|Inactivity timer||
  tag|Tag||
  vlan|VLAN||
  redirect|Redirect||
  absolute-timer|Absolute timer||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
linksec|Link security|k||
  policy|Link security policy|k/o/n||
    word|Policy|||
      <cr>||||
      !
    !
  !
!
voice|Voice settings|k||
  vlan|Voice VLAN|k/o/sb||
    <cr>||||
    !
  !
!
