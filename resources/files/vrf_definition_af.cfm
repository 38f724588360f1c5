// VRF address family mode "(config-vrf-af)#".
exit-address-family|Exit from Address Family configuration mode|k||
  <cr>||||
  !
!
export|VRF export|k||&vrf_import_export.cfm
!
import|VRF import|k||&vrf_import_export.cfm
!
maximum|Set a limit|k||&vrf_maximum.cfm
!
route-target|Specify Target VPN Extended Communities|k||&vrf_rt.cfm
!
mdt|Multicast distribution tree|k||
  default|The default group|k/o/n||
    a.b.c.d|IP multicast group address|||
      <cr>||||
      !
    !
    mpls|MPLS tree|||
      mldp|MLDP tree|||
        a.b.c.d|Root address|||
          <cr>||||
          !
        !
      !
    !
  !
  data|Data MDT group|k||
    a.b.c.d|IP multicast group address|k||
      a.b.c.d|Wildcard bits|k/o/n||
        <cr>||||
        !
        threshold|MDT switching threshold|||
          <1-4294967>|Traffic rate in kilobits per second|||
            <cr>||||
            !
            list|Access list|||
              word|Access list name or number|||
                <cr>||||
                !
              !
            !
          !
        !
        list|Access list|||
          word|Access list name or number|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  auto-discovery|BGP auto-discovery for MVPN|k/o/n||
    #|type|||
      pim|PIM tunnels||
      mldp|MLDP tunnels||
      ingress-replication|Ingress replication tunnels||
    #|||
      <cr>||||
      !
      inter-as|Enable inter-AS auto-discovery|||
        <cr>||||
        !
      !
    !
  !
  preference|MDT preference|k/o/n||
    #|tree type|lb/le/wa||
      pim|PIM tree||
      mldp|MLDP tree||
    #|||
      <cr>||||
      !
    !
  !
  overlay|MDT overlay protocol|k||
    use-bgp|Use BGP for the overlay|k/o/sb||
      <cr>||||
      !
      spt-only|Shortest path tree only|||
        <cr>||||
        !
      !
    !
    bgp|BGP overlay settings|k||
      #|delay|k/o/n||
        shared-tree-prune-delay|Delay before pruning the shared tree||
        source-tree-prune-delay|Delay before pruning the source tree||
      #|||
        <0-1800>|Seconds|||
          <cr>||||
          !
        !
      !
    !
  !
!
