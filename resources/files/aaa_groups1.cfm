// A server group of an accounting method list (the first of at most four).
group|Use Server-group|||
  word|Server-group name, or radius, tacacs+ or ldap|||&aaa_groups2.cfm
  !
!
