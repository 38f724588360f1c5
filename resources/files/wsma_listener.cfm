// WSMA listener profile mode "(config-wsma-listen)#".
acl|Restrict the addresses that may connect to the profile|k/o/n||
  <1-2799>|Access list number|||
    <cr>||||
    !
  !
!
stealth|Do not send SOAP faults|k||
  <cr>||||
  !
!
// One transport per profile: a new one replaces the old.
transport|Transport of the WSMA profile|k/o/n||
  #|web transport|||
    http|HTTP||
    https|Secure HTTP||
  #|||
    <cr>||||
    !
    path|URL path the profile answers on|||
      word|Path, such as /wsma/exec|||
        <cr>||||
        !
      !
    !
  !
  ssh|SSH version 2|||
    <cr>||||
    !
    subsys|SSH subsystem name|||
      word|Subsystem name|||
        <cr>||||
        !
      !
    !
  !
  tls|TLS|||
    <cr>||||
    !
  !
!
