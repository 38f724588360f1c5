// A server group of an accounting method list (the third of at most four).
<cr>||||
!
group|Use Server-group|||
  word|Server-group name, or radius, tacacs+ or ldap|||&aaa_groups4.cfm
  !
!
