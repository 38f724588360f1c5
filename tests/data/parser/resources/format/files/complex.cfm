#|complex block|k||
FastEthernet|Fast Ethernet||
gigabitethernet|gigabit ethernet|whatever|ignored|
#|
<0-9>|port|||
!
!
#|second|ob||
alpha|first alt||

beta|second alt||
#end|
!
fastethernet|reopened|o||
<cr>|||
!
!
#|open to the end||
one|1||
two|2||
