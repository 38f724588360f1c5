// "metric weights": the type of service, then K1 to K5 (and K6 in
// named mode).
<0-0>|Type Of Service (Only TOS 0 supported)|||
  <0-255>|K1|||
    <0-255>|K2|||
      <0-255>|K3|||
        <0-255>|K4|||
          <0-255>|K5|||
            <cr>||||
            !
            <0-255>|K6|||
              <cr>||||
              !
            !
          !
        !
      !
    !
  !
!
