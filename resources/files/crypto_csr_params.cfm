// Certificate signing request parameters mode.
#|parameter|k/o/n||
  common-name|Common name||
  country|Country||
  email|Email address||
  locality|Locality||
  organization-name|Organization name||
  organization-unit|Organization unit||
  serial-number|Serial number||
  state|State||
#|||
  line|value|lb/le/wa||
    <cr>||||
    !
  !
!
