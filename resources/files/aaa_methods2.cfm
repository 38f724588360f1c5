// A method of an AAA method list (the second of at most four), then the next.
<cr>||||
!
#|method|||&aaa_methods3.cfm
  enable|Use enable password for authentication||
  if-authenticated|Succeed if user has authenticated||
  if-needed|Only authenticate if needed||
  krb5|Use Kerberos 5 authentication||
  krb5-telnet|Allow logins only if already authenticated via Kerberos V Telnet||
  local|Use local username authentication||
  local-case|Use case-sensitive local username authentication||
  none|NO authentication||
#|||
!
&cmd_line.cfm|Use line password for authentication|||&aaa_methods3.cfm
!
group|Use Server-group|||
  word|Server-group name, or radius, tacacs+ or ldap|lb/le/wa||&aaa_methods3.cfm
  !
!
cache|Use Cached-group|||
  word|Cache server group name|||&aaa_methods3.cfm
  !
!
