// category of IPS signatures: what the IPS does with its signatures
retired|Retire the signatures of the category|k/o/n||
  #|state|||
    true|Retired||
    false|Not retired||
  #|||
    <cr>||||
    !
  !
!
enabled|Enable the signatures of the category|k/o/n||
  #|state|||
    true|Enabled||
    false|Disabled||
  #|||
    <cr>||||
    !
  !
!
