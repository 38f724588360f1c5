// The five values of an EIGRP metric: bandwidth, delay, reliability,
// loading and MTU.
<1-4294967295>|Bandwidth in Kbits per second|||
  <0-4294967295>|Delay metric, in 10 microsecond units|||
    <0-255>|Reliability metric where 255 is 100% reliable|||
      <1-255>|Effective bandwidth metric (Loading) where 255 is 100% loaded|||
        <1-65535>|Maximum Transmission Unit metric of the path|||
          <cr>||||
          !
        !
      !
    !
  !
!
