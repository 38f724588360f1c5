// "event-history NAME size SIZE": the size of an event history buffer.
word|Event history name|k||
  size|Buffer size|k/o/n||
    #|size|||
      disabled|Disable the event history||
      large|Large buffer||
      medium|Medium buffer||
      small|Small buffer||
    #|||
      <cr>||||
      !
    !
  !
!
