// A boot image: a URL such as flash:image.bin, or a file system keyword
// then the file name.
word|URL of the image (flash:name, bootflash:name, tftp://host/name)|k/n||
  <cr>||||
  !
  a.b.c.d|Address of the server|k/n||
    <cr>||||
    !
  !
!
#|file system|k/n||
  flash|Boot from flash memory||
  bootflash|Boot from bootflash||
  tftp|Boot from a TFTP server||
  ftp|Boot from an FTP server||
  rcp|Boot from an RCP server||
  usbflash0|Boot from a USB flash||
#|||
  <cr>||||
  !
  word|File name|k/n||
    <cr>||||
    !
    a.b.c.d|Address of the server|k/n||
      <cr>||||
      !
    !
  !
!
rom|Boot from ROM|k/n||
  <cr>||||
  !
!
