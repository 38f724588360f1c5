// BGP address family mode "(config-router-af)#".  The commands shared with
// the router level come from bgp_common.cfm, grafted beside these.
exit-address-family|Exit from Address Family configuration mode|k||
  <cr>||||
  !
!
import|Import settings|k||
  path|Import path settings|k||
    selection|Import path selection|k/o/n||
      #|selection|||
        all|Import all available paths||
        bestpath|Import the best path||
        multipath|Import the best and multipaths||
      #|||
        <cr>||||
        !
        strict|Import only if the path is valid|||
          <cr>||||
          !
        !
      !
    !
    limit|Import path limit|k/o/n||
      <1-255>|Number of paths|||
        <cr>||||
        !
      !
    !
  !
!
