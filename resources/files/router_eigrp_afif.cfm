// EIGRP address family interface mode "(config-router-af-interface)#".
add-paths|Advertise add paths|k/o/n||
  <1-4>|Number of paths|||
    <cr>||||
    !
  !
!
authentication|Authentication subcommands|k||
  mode|authentication mode|k/o/n||
    md5|Keyed message digest|||
      <cr>||||
      !
    !
    hmac-sha-256|HMAC-SHA-256 Authentication|||
      <0-7>|Encryption type|||
        word|Password|||
          <cr>||||
          !
        !
      !
      word|Password|||
        <cr>||||
        !
      !
    !
  !
  key-chain|key-chain|k/o/n||
    word|name of key-chain|||
      <cr>||||
      !
    !
  !
!
bandwidth-percent|Set percentage of bandwidth percentage limit|k/o/n||
  <1-999999>|Maximum bandwidth percentage that EIGRP may use|||
    <cr>||||
    !
  !
!
bfd|Enable Bidirectional Forwarding Detection|k/o/sb||
  <cr>||||
  !
!
dampening-change|Percent interface metric must change to cause update|k/o/sb||
  <cr>||||
  !
  <1-100>|Percent change|||
    <cr>||||
    !
  !
!
dampening-interval|Time in seconds to check interface metrics|k/o/sb||
  <cr>||||
  !
  <1-65535>|Interval in seconds|||
    <cr>||||
    !
  !
!
exit-af-interface|Exit from Address Family Interface configuration mode|k||
  <cr>||||
  !
!
hello-interval|Configures hello interval|k/o/n||
  <1-65535>|Seconds between hello transmissions|||
    <cr>||||
    !
  !
!
hold-time|Configures hold time|k/o/n||
  <1-65535>|Seconds before neighbor is considered down|||
    <cr>||||
    !
  !
!
next-hop-self|Configures EIGRP next-hop-self|k/o/sb||
  <cr>||||
  !
!
passive-interface|Suppress address updates on an interface|k/o/sb||
  <cr>||||
  !
!
shutdown|Disable Address-Family on interface|k||
  <cr>||||
  !
!
split-horizon|Perform split horizon|k/o/sb||
  <cr>||||
  !
!
summary-address|Perform address summarization|k||
  a.b.c.d|IP address|k/n||
    a.b.c.d|IP network mask|k/o/n||
      <cr>||||
      !
      leak-map|Allow dynamic prefixes based on the leak-map|||
        word|leak-map name|||
          <cr>||||
          !
        !
      !
    !
  !
  a.b.c.d/<1-32>|IP prefix <network>/<length>|k/o/n||
    <cr>||||
    !
    leak-map|Allow dynamic prefixes based on the leak-map|||
      word|leak-map name|||
        <cr>||||
        !
      !
    !
  !
  word|IPv6 prefix|k/o/n||
    <cr>||||
    !
  !
!
