// Regular expression parameter map mode "(config-profile)#"
// ("parameter-map type regex NAME").
pattern|A regular expression pattern|k||
  line|Regular expression|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
