// "summary-metric PREFIX": the metric of the summary, or a distance.
a.b.c.d/<1-32>|IP prefix <network>/<length>|k||
  <1-4294967295>|Bandwidth in Kbits per second|o/n||
    <0-4294967295>|Delay metric, in 10 microsecond units|||
      <0-255>|Reliability metric where 255 is 100% reliable|||
        <1-255>|Effective bandwidth metric (Loading) where 255 is 100% loaded|||
          <1-65535>|Maximum Transmission Unit metric of the path|||
            <cr>||||
            !
            distance|Summary administrative distance|||
              <1-255>|Distance|||
                <cr>||||
                !
              !
            !
          !
        !
      !
    !
  !
  distance|Summary administrative distance|o/n||
    <1-255>|Distance|||
      <cr>||||
      !
    !
  !
!
