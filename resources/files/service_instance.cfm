// Ethernet service instance mode "(config-if-srv)#".
bridge-domain|Bridge domain|k/o/n||
  <1-16000>|Bridge domain number|||
    <cr>||||
    !
    split-horizon|Configure this port as a member of a split horizon group|||
      <cr>||||
      !
      group|Split-horizon group|||
        <0-13>|Split-horizon group number|||
          <cr>||||
          !
        !
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
    dot1ad|802.1ad||
    dot1q|802.1Q||
    priority-tagged|Priority tagged||
  #|||
    <cr>||||
    !
    line|VLANs and options|lb/le/wa||
      <cr>||||
      !
    !
  !
  default|Default||
    <cr>||||
    !
  !
  untagged|Untagged||
    <cr>||||
    !
    ,|Followed by a tagged encapsulation|||
      line|Tagged encapsulation and options|lb/le/wa||
        <cr>||||
        !
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
    tag|Configure tag rewrite|||
      pop|Pop the tag|||
        <1-2>|Number of tags to pop|||
          <cr>||||
          !
          symmetric|Tag egress packets as the encapsulation gives|||
            <cr>||||
            !
          !
        !
      !
      push|Rewrite operation of push|||
        dot1q|Push a dot1q tag|||
          <1-4094>|VLAN id|||
            <cr>||||
            !
            symmetric|Tag egress packets as the encapsulation gives|||
              <cr>||||
              !
            !
            second-dot1q|Push a second dot1q tag|||
              <1-4094>|Inner VLAN id|||
                <cr>||||
                !
                symmetric|Tag egress packets as the encapsulation gives|||
                  <cr>||||
                  !
                !
              !
            !
          !
        !
        dot1ad|Push a dot1ad tag|||
          <1-4094>|VLAN id|||
            <cr>||||
            !
            symmetric|Tag egress packets as the encapsulation gives|||
              <cr>||||
              !
            !
            dot1q|Push a dot1q tag below it|||
              <1-4094>|Inner VLAN id|||
                <cr>||||
                !
                symmetric|Tag egress packets as the encapsulation gives|||
                  <cr>||||
                  !
                !
              !
            !
          !
        !
      !
      translate|Translate tag|||
        1-to-1|Translate 1-to-1|||
          dot1q|Dot1q tag|||
            <1-4094>|VLAN id|||
              <cr>||||
              !
              symmetric|Tag egress packets as the encapsulation gives|||
                <cr>||||
                !
              !
            !
          !
          dot1ad|Dot1ad tag|||
            <1-4094>|VLAN id|||
              <cr>||||
              !
              symmetric|Tag egress packets as the encapsulation gives|||
                <cr>||||
                !
              !
            !
          !
        !
        1-to-2|Translate 1-to-2|||
          dot1q|Outer dot1q tag|||
            <1-4094>|Outer VLAN id|||
              second-dot1q|Inner dot1q tag|||
                <1-4094>|Inner VLAN id|||
                  <cr>||||
                  !
                  symmetric|Tag egress packets as the encapsulation gives|||
                    <cr>||||
                    !
                  !
                !
              !
            !
          !
          dot1ad|Outer dot1ad tag|||
            <1-4094>|Outer VLAN id|||
              dot1q|Inner dot1q tag|||
                <1-4094>|Inner VLAN id|||
                  <cr>||||
                  !
                  symmetric|Tag egress packets as the encapsulation gives|||
                    <cr>||||
                    !
                  !
                !
              !
            !
          !
        !
        2-to-1|Translate 2-to-1|||
          dot1q|Dot1q tag|||
            <1-4094>|VLAN id|||
              <cr>||||
              !
              symmetric|Tag egress packets as the encapsulation gives|||
                <cr>||||
                !
              !
            !
          !
          dot1ad|Dot1ad tag|||
            <1-4094>|VLAN id|||
              <cr>||||
              !
              symmetric|Tag egress packets as the encapsulation gives|||
                <cr>||||
                !
              !
            !
          !
        !
        2-to-2|Translate 2-to-2|||
          dot1q|Outer dot1q tag|||
            <1-4094>|Outer VLAN id|||
              second-dot1q|Inner dot1q tag|||
                <1-4094>|Inner VLAN id|||
                  <cr>||||
                  !
                  symmetric|Tag egress packets as the encapsulation gives|||
                    <cr>||||
                    !
                  !
                !
              !
            !
          !
          dot1ad|Outer dot1ad tag|||
            <1-4094>|Outer VLAN id|||
              dot1q|Inner dot1q tag|||
                <1-4094>|Inner VLAN id|||
                  <cr>||||
                  !
                  symmetric|Tag egress packets as the encapsulation gives|||
                    <cr>||||
                    !
                  !
                !
              !
            !
          !
        !
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
