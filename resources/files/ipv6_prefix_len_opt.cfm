// An IPv6 prefix-list entry: the prefix, then the length bounds.
word|IPv6 prefix x:x::y/<z>|n||
  <cr>||||
  !
  ge|Minimum prefix length to be matched|||
    <1-128>|Minimum prefix length|||
      <cr>||||
      !
      le|Maximum prefix length to be matched|||
        <1-128>|Maximum prefix length|||
          <cr>||||
          !
        !
      !
    !
  !
  le|Maximum prefix length to be matched|||
    <1-128>|Maximum prefix length|||
      <cr>||||
      !
    !
  !
!
