// ip ips signature-category: the categories of signatures, each a mode of its own
category|A category of signatures|k||
  all|All signatures|k/n||
    <cr>||||@(config-ips-category-action)# ips_category_action.cfm
    !
  !
  ios_ips|Signatures selected for IOS IPS|k||
    #|level|k/n||
      basic|Basic set||
      advanced|Advanced set||
    #|||
      <cr>||||@(config-ips-category-action)# ips_category_action.cfm
      !
    !
  !
!
