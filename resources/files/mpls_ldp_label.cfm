// LDP label configuration mode "(config-ldp-lbl)#" ("mpls ldp label").
allocate|Select the prefixes LDP allocates local labels for|k||
  global|Prefixes of the global table|k||
    #|prefixes|k/o/n||
      host-routes|Host routes only||
      all|All prefixes||
    #|||
      <cr>||||
      !
    !
    prefix-list|Prefixes permitted by a prefix list|k/o/n||
      word|Prefix list name|||
        <cr>||||
        !
      !
    !
  !
!
