// The SSID mode of autonomous access points and wireless routers
// ("dot11 ssid NAME"): one line per setting.
vlan|VLAN the clients of this SSID belong to|k/o/n||
  <1-4094>|VLAN id|||
    <cr>||||
    !
  !
!
authentication|Client authentication for this SSID|k||
  // Each method is a line of its own.
  open|Open authentication|k/o/n||
    <cr>||||
    !
    eap|Open authentication with EAP|||
      word|Login method list|||
        <cr>||||
        !
      !
    !
  !
  network-eap|Network EAP (LEAP) authentication|k/o/n||
    word|Login method list|||
      <cr>||||
      !
    !
  !
  key-management|Key management for this SSID|k/o/n||
    wpa|Wi-Fi Protected Access key management|||
      <cr>||||
      !
      version|WPA version|||
        #|version|||
          1|WPA||
          2|WPA2||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
!
guest-mode|Broadcast this SSID in the beacon|k||
  <cr>||||
  !
!
mbssid|Multiple basic SSID settings|k||
  guest-mode|Broadcast this SSID in its own beacon|k||
    <cr>||||
    !
  !
!
wpa-psk|WPA pre-shared key|k/o/n||
  #|key format|||
    ascii|Key given as 8 to 63 ASCII characters||
    hex|Key given as 64 hexadecimal digits||
  #|||
    #|encryption type|||
      0|The key follows unencrypted||
      7|The key follows encrypted||
    #|||
      word|The pre-shared key|||
        <cr>||||
        !
      !
    !
    word|The pre-shared key|||
      <cr>||||
      !
    !
  !
!
max-associations|Maximum number of client associations|k/o/n||
  <1-255>|Number of associations|||
    <cr>||||
    !
  !
!
