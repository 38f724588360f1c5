// A server group of an accounting method list (the last of at most four).
<cr>||||
!
group|Use Server-group|||
  word|Server-group name, or radius, tacacs+ or ldap|||
    <cr>||||
    !
  !
!
