// Phone proxy mode.
#|setting|k/o/n||
  cipc|CIPC settings||
  media-termination|Media termination||
  tftp-server|TFTP server||
  tls-proxy|TLS proxy||
  ctl-file|CTL file||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
