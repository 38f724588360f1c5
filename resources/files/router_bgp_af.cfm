// BGP address family mode "(config-router-af)#".  The commands shared with
// the router level come from bgp_common.cfm, grafted beside these.
exit-address-family|Exit from Address Family configuration mode|k||
  <cr>||||
  !
!
import|Import settings|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
