// Certificate server mode "(cs-server)#".
#|setting|k/o/n||
  database|Database settings||
  issuer-name|Issuer name||
  lifetime|Lifetimes||
  grant|Grant settings||
  cdp-url|CRL distribution point URL||
  smtp|SMTP settings||
  mode|Server mode||
  hash|Hash||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
shutdown|Shut down the server|k/o/sb||
  <cr>||||
  !
!
