// The last method of an AAA method list (a list has at most four).
<cr>||||
!
#|method|||
  enable|Use enable password for authentication||
  if-authenticated|Succeed if user has authenticated||
  if-needed|Only authenticate if needed||
  krb5|Use Kerberos 5 authentication||
  krb5-telnet|Allow logins only if already authenticated via Kerberos V Telnet||
  local|Use local username authentication||
  local-case|Use case-sensitive local username authentication||
  none|NO authentication||
#|||
  <cr>||||
  !
!
&cmd_line.cfm|Use line password for authentication|||
  <cr>||||
  !
!
group|Use Server-group|||
  word|Server-group name, or radius, tacacs+ or ldap|lb/le/wa||
    <cr>||||
    !
  !
!
cache|Use Cached-group|||
  word|Cache server group name|||
    <cr>||||
    !
  !
!
