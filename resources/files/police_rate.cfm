// "police": the rate (bits per second, cir or rate with a unit, or a
// percent), the bursts by position, then the options of police_after.cfm.
<8000-10000000000>|Bits per second|||&police_after.cfm
  <1000-512000000>|Normal burst bytes|||&police_after.cfm
    <1000-512000000>|Maximum burst bytes|||&police_after.cfm
    !
  !
!
#|rate kind|||
  cir|Committed information rate||
  rate|Specify police rate||
#|||
  <1-10000000000>|Rate|||&police_after.cfm
    <1000-512000000>|Normal burst bytes|||&police_after.cfm
      <1000-512000000>|Maximum burst bytes|||&police_after.cfm
      !
    !
    #|unit|||&police_after.cfm
      bps|Bits per second||
      kbps|Kilobits per second||
      mbps|Megabits per second||
      gbps|Gigabits per second||
      pps|Packets per second||
      cps|Cells per second||
    #|||
    !
  !
  percent|% of interface bandwidth for the rate|||
    <1-100>|Percent|||&police_after.cfm
    !
  !
!
