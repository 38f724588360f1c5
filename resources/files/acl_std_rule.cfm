// Shared: the body of a standard access list entry, after "permit" or "deny".
// Every position is a key ("k"): an entry is identified by its whole text,
// so a new entry is added at the end of the list, a "no" form removes just
// that entry and a fallback can put a removed entry back.
any|Any source host|k/n||
  <cr>||||
  !
  log|Log matches against this entry|k/n||
    <cr>||||
    !
    word|User defined cookie information (up to 64 characters)|k/n||
      <cr>||||
      !
    !
  !
!
host|A single host address|k/n||
  a.b.c.d|Host address|k/n||
    <cr>||||
    !
    log|Log matches against this entry|k/n||
      <cr>||||
      !
      word|User defined cookie information (up to 64 characters)|k/n||
        <cr>||||
        !
      !
    !
  !
!
a.b.c.d|Address to match|k/n||
  <cr>||||
  !
  a.b.c.d|Wildcard bits|k/n||
    <cr>||||
    !
    log|Log matches against this entry|k/n||
      <cr>||||
      !
      word|User defined cookie information (up to 64 characters)|k/n||
        <cr>||||
        !
      !
    !
  !
  log|Log matches against this entry|k/n||
    <cr>||||
    !
    word|User defined cookie information (up to 64 characters)|k/n||
      <cr>||||
      !
    !
  !
!
a.b.c.d/<1-32>|Prefix to match|k/n||
  <cr>||||
  !
  log|Log matches against this entry|k/n||
    <cr>||||
    !
    word|User defined cookie information (up to 64 characters)|k/n||
      <cr>||||
      !
    !
  !
!
