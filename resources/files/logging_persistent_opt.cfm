// "logging persistent": the options, in any order.
<cr>||||
!
url|URL to store logging messages|ob||
  word|URL|oe||
    <cr>||||
    !
  !
!
size|Set disk space for writing log messages|ob||
  <4096-2147483647>|Size in bytes|oe||
    <cr>||||
    !
  !
!
filesize|Set size of individual log files|ob||
  <1024-2147483647>|Size in bytes|oe||
    <cr>||||
    !
  !
!
batch|Set batch size for writing to persistent storage|ob||
  <4096-2142715904>|Size in bytes|oe||
    <cr>||||
    !
  !
!
threshold|Set threshold for logging persistent|ob||
  <1-99>|Threshold in percent|oe||
    <cr>||||
    !
  !
!
protected|Eliminates manipulation on logging-persistent files|ob/oe||
  <cr>||||
  !
!
immediate|Write every message immediately|ob/oe||
  <cr>||||
  !
!
notify|Notify when writing messages|ob/oe||
  <cr>||||
  !
!
