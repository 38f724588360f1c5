// Ethernet service instance mode "(config-if-srv)#".
bridge-domain|Bridge domain|k/o/n||
  <1-16000>|Bridge domain number|||
    <cr>||||
    !
    line|options|lb/le/wa||
      <cr>||||
      !
    !
  !
!
description|Service instance specific description|k/o/n||
  line|Description|lb/le/wa||
    <cr>||||
    !
  !
!
encapsulation|Configure ethernet frame match criteria|k/o/n||
  #|encapsulation|||
    default|Default||
    dot1ad|802.1ad||
    dot1q|802.1Q||
    priority-tagged|Priority tagged||
    untagged|Untagged||
  #|||
    <cr>||||
    !
    line|VLANs and options|lb/le/wa||
      <cr>||||
      !
    !
  !
!
l2protocol|Layer 2 protocol|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
rewrite|Configure ethernet rewrite criteria|k||
  #|direction|k/o/n||
    ingress|Ingress rewrite||
    egress|Egress rewrite||
  #|||
    line|rewrite|lb/le/wa||
      <cr>||||
      !
    !
  !
!
service-policy|Attach a policy-map to an EFP|k||
  #|direction|k/o/n||
    input|Assign policy-map to the input of an EFP||
    output|Assign policy-map to the output of an EFP||
  #|||
    word|policy-map name|||
      <cr>||||
      !
    !
  !
!
shutdown|Take the Service Instance out of Service|k/o/sb||
  <cr>||||
  !
!
xconnect|Cross-connect the service instance to a pseudowire|k/o/n||
  a.b.c.d|IP address of the peer|||
    <1-4294967295>|32-bit VC identifier|||
      encapsulation|Data encapsulation method|||
        #|encapsulation|||
          mpls|MPLS encapsulation||
          l2tpv3|L2TPv3 encapsulation||
        #|||
          <cr>||||@(config-if-srv-xconn)# xconnect.cfm
          !
          manual|Configure the session manually|||
            <cr>||||@(config-if-srv-xconn)# xconnect.cfm
            !
          !
          pw-class|Pseudowire class|||
            word|Pseudowire class name|||
              <cr>||||@(config-if-srv-xconn)# xconnect.cfm
              !
            !
          !
        !
      !
      pw-class|Pseudowire class|||
        word|Pseudowire class name|||
          <cr>||||@(config-if-srv-xconn)# xconnect.cfm
          !
        !
      !
    !
  !
!
