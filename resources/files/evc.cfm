// Ethernet virtual connection mode "(config-evc)#".
oam|OAM protocol of the EVC|k||
  protocol|OAM protocol|k||
    cfm|Ethernet CFM|k||
      svlan|Service VLAN|k/o/n||
        <1-4094>|VLAN identifier|||
          domain|Maintenance domain|||
            word|Domain name|||
              <cr>||||
              !
            !
          !
        !
      !
    !
  !
!
uni|User network interfaces of the EVC|k||
  count|Number of UNIs|k/o/n||
    <2-1024>|Number of UNIs|||
      <cr>||||
      !
    !
  !
!
