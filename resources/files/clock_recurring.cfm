// "clock summer-time ZONE recurring": the week, day, month and time summer
// time starts, then the same for its end, then the offset in minutes.
#|week the time starts|||
  <1-4>|Week number to start||
  first|First week of the month||
  last|Last week of the month||
#|||
  &weekday.cfm|Weekday to start|||
    &month.cfm|Month to start|||
      <hh:mm>|Time to start (hh:mm)|||
        #|week the time ends|||
          <1-4>|Week number to end||
          first|First week of the month||
          last|Last week of the month||
        #|||
          &weekday.cfm|Weekday to end|||
            &month.cfm|Month to end|||
              <hh:mm>|Time to end (hh:mm)|||
                <cr>||||
                !
                <1-1440>|Offset to add in minutes|||
                  <cr>||||
                  !
                !
              !
            !
          !
        !
      !
    !
  !
!
