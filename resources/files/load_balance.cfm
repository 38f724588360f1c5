// Load balancing policies mode.
load-balance|Load balance profile|k||
  line|profile|lb/le/wa/k/n||
    <cr>||||@(config-load-balance-profile)# load_balance_profile.cfm
    !
  !
!
