// Shared: prefix length bounds of a prefix list entry, in any order.
<cr>||||
!
ge|Minimum prefix length to be matched|ob/n||
  <1-32>|Minimum prefix length|oe/n||
    <cr>||||
    !
  !
!
le|Maximum prefix length to be matched|ob/n||
  <1-32>|Maximum prefix length|oe/n||
    <cr>||||
    !
  !
!
eq|Exact prefix length to be matched|ob/n||
  <1-32>|Exact prefix length|oe/n||
    <cr>||||
    !
  !
!
