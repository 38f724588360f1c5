// "clock summer-time ZONE date ...": after the start date, the start time,
// then the end date (day and month in either order), time and offset.
<hh:mm>|Time to start (hh:mm)|||
  <1-31>|Date to end|||
    &month.cfm|Month to end|||
      <1993-2035>|Year to end|||
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
  &month.cfm|Month to end|||
    <1-31>|Date to end|||
      <1993-2035>|Year to end|||
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
