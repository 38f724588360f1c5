// When a kron occurrence runs: after an interval or at a time of day.
in|Run after an interval|||
  word|Interval, [[days:]hours:]minutes|||&kron_kind.cfm
  !
!
at|Run at a time of day|||
  <hh:mm>|Time of day, hours:minutes|||&kron_kind.cfm
    &weekday.cfm|Day of the week|||&kron_kind.cfm
    !
    <1-31>|Day of the month|||&kron_kind.cfm
    !
    &month.cfm|Month|||
      <1-31>|Day of the month|||&kron_kind.cfm
      !
    !
  !
!
