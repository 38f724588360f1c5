// "dialer pool-member N": the options, in any order.
<cr>||||
!
priority|Priority of this interface in the pool|ob||
  <0-255>|Priority|oe||
    <cr>||||
    !
  !
!
min-link|Minimum number of links reserved for this pool|ob||
  <0-255>|Number of links|oe||
    <cr>||||
    !
  !
!
max-link|Maximum number of links used by this pool|ob||
  <0-255>|Number of links|oe||
    <cr>||||
    !
  !
!
