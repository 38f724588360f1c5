// The options of EIGRP "remote-neighbors source IF unicast-listen", any order.
<cr>||||
!
a.b.c.d|Multicast group|ob/oe||
  <cr>||||
  !
!
allow-list|Access list of allowed neighbors|ob||
  word|Access list name|oe||
    <cr>||||
    !
  !
!
max-neighbors|Maximum remote neighbors|ob||
  <1-65535>|Number of neighbors|oe||
    <cr>||||
    !
  !
!
lisp-encap|Use LISP encapsulation|ob/oe||
  <cr>||||
  !
  <1-4294967295>|LISP instance identifier|oe||
    <cr>||||
    !
  !
!
