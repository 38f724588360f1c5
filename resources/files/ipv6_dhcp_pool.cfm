// IPv6 DHCP pool mode "(config-dhcpv6)#": what a stateful or stateless
// DHCPv6 server hands out.
address|Address allocation|k||
  prefix|Configure IPv6 address prefix|k||
    word|IPv6 prefix x:x::y/<z>|k/o/n||
      <cr>||||
      !
      lifetime|Configure address lifetimes|||
        <5-4294967295>|Valid lifetime (seconds)|||
          <5-4294967295>|Preferred lifetime (seconds)|||
            <cr>||||
            !
          !
          infinite|Infinite preferred lifetime|||
            <cr>||||
            !
          !
        !
        infinite|Infinite valid lifetime|||
          <5-4294967295>|Preferred lifetime (seconds)|||
            <cr>||||
            !
          !
          infinite|Infinite preferred lifetime|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
dns-server|DNS servers|k||
  word|IPv6 address of a DNS server|k/n||
    <cr>||||
    !
  !
!
domain-name|Domain name to complete unqualified host names|k||
  word|Domain name|k/n||
    <cr>||||
    !
  !
!
information|Information options|k||
  refresh|Information refresh time|k/o/n||
    <1-365>|Days|||
      <cr>||||
      !
      <0-23>|Hours|||
        <cr>||||
        !
        <0-59>|Minutes|||
          <cr>||||
          !
        !
      !
    !
    infinity|Infinite refresh time|||
      <cr>||||
      !
    !
  !
!
link-address|Link address the pool serves|k||
  word|IPv6 prefix x:x::y/<z>|k/n||
    <cr>||||
    !
  !
!
prefix-delegation|IPv6 prefix delegation|k||
  pool|IPv6 local prefix pool|k/o/n||
    word|Local prefix pool name|||
      <cr>||||
      !
      lifetime|Configure prefix lifetimes|||
        <60-4294967295>|Valid lifetime (seconds)|||
          <60-4294967295>|Preferred lifetime (seconds)|||
            <cr>||||
            !
          !
        !
        infinite|Infinite valid lifetime|||
          infinite|Infinite preferred lifetime|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
sntp|SNTP server options|k||
  address|SNTP server address|k||
    word|IPv6 address of an SNTP server|k/n||
      <cr>||||
      !
    !
  !
!
