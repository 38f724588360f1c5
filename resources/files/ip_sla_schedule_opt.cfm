// "ip sla schedule N": life, start time, ageout and recurrence, any order.
<cr>||||
!
life|Length of time to execute in seconds|ob||
  #|life|oe||
    <0-2147483647>|Life seconds||
    forever|continue running forever||
  #|||
    <cr>||||
    !
  !
!
start-time|When to start this entry|ob||
  #|when|oe||
    now|Start now||
    pending|Start pending||
  #|||
    <cr>||||
    !
  !
  after|Start after a certain amount of time from now|||
    <hh:mm>|Time after which the entry starts (hh:mm:ss)|oe||
      <cr>||||
      !
    !
  !
  random|Start after a random time|||
    <0-10000>|Milliseconds|oe||
      <cr>||||
      !
    !
  !
  <hh:mm>|Start time (hh:mm or hh:mm:ss)|oe||
    <cr>||||
    !
    &month.cfm|Month of the year|||
      <1-31>|Day of the month|oe||
        <cr>||||
        !
      !
    !
    <1-31>|Day of the month|||
      &month.cfm|Month of the year|oe||
        <cr>||||
        !
      !
    !
  !
!
ageout|How long to keep this entry when inactive|ob||
  <0-2073600>|Ageout interval in seconds|oe||
    <cr>||||
    !
  !
!
recurring|Probe to be scheduled automatically every day|ob/oe||
  <cr>||||
  !
!
