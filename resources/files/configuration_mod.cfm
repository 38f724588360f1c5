// Global configuration mode: the top level of "configure terminal".
// Letters: k key position, o overwrite, a append, n "no" may stop here,
// sn/sb stored "no" form, lb/le loop, wa joined words, ob/oe option group.
// A sub-mode opens on the "<cr>" line of the command that enters it.

// ---- aaa ----
aaa|Authentication, Authorization and Accounting|k||
  new-model|Enable NEW access control commands and functions|k/o/sb||
    <cr>||||
    !
  !
  session-id|AAA Session ID|k/o/n||
    common|Common session ID for all protocols of a call|||
      <cr>||||
      !
    !
    unique|Unique session ID for each protocol of a call|||
      <cr>||||
      !
    !
  !
  authentication|Authentication configurations parameters|k||
    login|Set authentication lists for logins|k||
      word|Named authentication list or "default"|k/o/n||
        <cr>||||
        !
        line|methods (local, enable, line, none, group name)|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    enable|Set authentication list for enable|k||
      default|The default authentication list|k/o/n||
        <cr>||||
        !
        line|methods (enable, line, none, group name)|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    dot1x|Set authentication lists for IEEE 802.1x|k||
      word|Named authentication list or "default"|k/o/n||
        <cr>||||
        !
        line|methods (local, none, group name)|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    ppp|Set authentication lists for ppp|k||
      word|Named authentication list or "default"|k/o/n||
        <cr>||||
        !
        line|methods|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  authorization|Authorization configurations parameters|k||
    commands|For exec (shell) commands|k||
      <0-15>|Enable level|k||
        word|Named authorization list or "default"|k/o/n||
          <cr>||||
          !
          line|methods (local, none, if-authenticated, group name)|lb/le/wa||
            <cr>||||
            !
          !
        !
      !
    !
    exec|For starting an exec (shell)|k||
      word|Named authorization list or "default"|k/o/n||
        <cr>||||
        !
        line|methods (local, none, if-authenticated, group name)|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    network|For network services (PPP, SLIP, ARAP)|k||
      word|Named authorization list or "default"|k/o/n||
        <cr>||||
        !
        line|methods|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    config-commands|For configuration mode commands|k/sb/o||
      <cr>||||
      !
    !
    console|For enabling console authorization|k/sb/o||
      <cr>||||
      !
    !
  !
  accounting|Accounting configurations parameters|k||
    commands|For exec (shell) commands|k||
      <0-15>|Enable level|k||
        word|Named accounting list or "default"|k/o/n||
          <cr>||||@(cfg-acct-mlist)# aaa_accounting.cfm
          !
          line|start-stop, stop-only, none, group name|lb/le/wa||
            <cr>||||
            !
          !
        !
      !
    !
    exec|For starting an exec (shell)|k||
      word|Named accounting list or "default"|k/o/n||
        <cr>||||@(cfg-acct-mlist)# aaa_accounting.cfm
        !
        line|start-stop, stop-only, none, group name|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    network|For network services (PPP, SLIP, ARAP)|k||
      word|Named accounting list or "default"|k/o/n||
        <cr>||||@(cfg-acct-mlist)# aaa_accounting.cfm
        !
        line|start-stop, stop-only, none, group name|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    system|For system events|k||
      guarantee-first|Guarantee system accounting as first record|k/sb/o||
        <cr>||||
        !
      !
      default|The default accounting list|k/o/n||
        <cr>||||
        !
        line|start-stop, stop-only, none, group name|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  group|AAA group definitions|k||
    server|AAA Server group definitions|k||
      #|server type|k||
        tacacs+|Tacacs+ server-group definition||
        radius|Radius server-group definition||
        ldap|LDAP server-group definition||
      #|||
        word|Server-group name|k/n||
          <cr>||||@(config-sg)# aaa_server_group.cfm
          !
        !
      !
    !
  !
  server|Local AAA server|k||
    radius|RADIUS server configuration|k||
      dynamic-author|Local server profile for RFC 3576 support|k||
        <cr>||||@(config-locsvr-da-radius)# aaa_dynamic_author.cfm
        !

      !
    !
  !
!
// ---- access lists and their relatives ----
access-list|Add an access list entry|k||
  <1-99>|IP standard access list|k/n||
    remark|Access list entry comment|k/n||
      line|Comment up to 100 characters|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
    #|action|k/n||&acl_std_rule.cfm
      permit|Specify packets to forward||
      deny|Specify packets to reject||
    #|||
    !
  !
  <1300-1999>|IP standard access list (expanded range)|k/n||
    remark|Access list entry comment|k/n||
      line|Comment up to 100 characters|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
    #|action|k/n||&acl_std_rule.cfm
      permit|Specify packets to forward||
      deny|Specify packets to reject||
    #|||
    !
  !
  <100-199>|IP extended access list|k/n||
    remark|Access list entry comment|k/n||
      line|Comment up to 100 characters|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
    #|action|k/n||&acl_ext_rule.cfm
      permit|Specify packets to forward||
      deny|Specify packets to reject||
    #|||
    !
  !
  <2000-2699>|IP extended access list (expanded range)|k/n||
    remark|Access list entry comment|k/n||
      line|Comment up to 100 characters|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
    #|action|k/n||&acl_ext_rule.cfm
      permit|Specify packets to forward||
      deny|Specify packets to reject||
    #|||
    !
  !
  dynamic-extended|Extend the dynamic ACL absolute timer|k||
    <cr>||||
    !
  !
  word|Access list name (firewall style)|k/n||
    extended|Extended access list entry|k||
      #|action|k/n||&acl_ext_rule.cfm
        permit|Specify packets to forward||
        deny|Specify packets to reject||
      #|||
      !
    !
    remark|Access list entry comment|k/n||
      line|Comment|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
  !
!
alias|Create command alias|k||
  #|mode of the command|k||
    exec|Exec mode||
    configure|Global configuration mode||
    interface|Interface configuration mode||
  #|||
    word|Alias name|k/o/n||
      line|The command the alias stands for|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
!
ap|Access point configuration|k||
  group|Configure an access point group|k||
    word|Access point group name|k/n||
      <cr>||||
      !
    !
  !
  profile|Configure an access point profile|k||
    word|Access point profile name|k/n||
      <cr>||||@(config-ap-profile)# ap_profile.cfm
      !
    !
  !
!
appletalk|Appletalk global configuration commands|k||
  routing|Enable Appletalk routing|k||
    <cr>||||
    !
  !
!
archive|Archive the configuration|k||
  <cr>||||@(config-archive)# archive.cfm
  !
!
arp|Set a static ARP entry|k||
  access-list|Configure an ARP access list|k||
    word|ARP access list name|k/n||
      <cr>||||@(config-arp-nacl)# arp_acl.cfm
      !
    !
  !
  a.b.c.d|IP address of ARP entry|k/o/n||
    h.h.h|48-bit hardware address of ARP entry|||
      #|encapsulation|||
        arpa|ARPA-type ARP entry||
        sap|SAP-type ARP entry||
        snap|SNAP-type ARP entry||
      #|||
        <cr>||||
        !
        &interfacefile.cfm|interface to use|k||
          <slot/port>|interface number|n||
            <cr>||||
            !

          !
        !
      !
    !
  !
!
// ---- banners: the text up to the closing delimiter is kept as it was typed ----
banner|Define a login banner|k||
  #|banner type|k/o/n||
    exec|Set EXEC process creation banner||
    incoming|Set incoming terminal line banner||
    login|Set login banner||
    motd|Set Message of the Day banner||
    prompt-timeout|Set Message for login authentication timeout||
    slip-ppp|Set Message for SLIP/PPP||
  #|||
    line|c banner-text c, where 'c' is a delimiting character|lb/le/wa||
      <cr>||||
      !

    !
  !
!
// A banner text ends on the line that holds the delimiter again; that line
// is read as a command.  These are the delimiters devices commonly write on
// a line of their own ("^C" is how a listing shows Ctrl-C; "#" and "!" cannot
// be keywords of a mode file).  The line is not
// stored ("sn"): like the banner text itself it takes no part in merges.
^c|End of a banner text (the Ctrl-C delimiter as a listing shows it)|k/sn||
  <cr>||||
  !
!
^|End of a banner text delimited by "^"|k/sn||
  <cr>||||
  !
!
%|End of a banner text delimited by "%"|k/sn||
  <cr>||||
  !
!
$|End of a banner text delimited by "$"|k/sn||
  <cr>||||
  !

!
// ---- boot ----
boot|Modify system boot parameters|k||
  system|System image file|k||
    line|Boot image (flash:, bootflash:, tftp: or switch/all prefixes)|lb/le/wa/n||
      <cr>||||
      !
    !
  !
  host|Router-specific config file|k||
    line|Config file name|lb/le/wa||
      <cr>||||
      !
    !
  !
  config|Configuration file|k||
    line|Config file name|lb/le/wa||
      <cr>||||
      !
    !
  !
!
boot-start-marker|Boot system commands follow|k||
  <cr>||||
  !
!
boot-end-marker|Boot system commands end|k||
  <cr>||||
  !
!
bloggerd|Bloggerd configuration|k||
  #|setting|k/o/sb||
    log-dump|Dump logs||
    log-throttle|Throttle logging||
    log-transfer|Transfer logs||
  #|||
    <cr>||||
    !
    line|options|lb/le/wa||
      <cr>||||
      !
    !
  !
!
bridge-domain|Bridge-domain configuration|k||
  <1-16000>|Bridge-domain number|k/n||
    <cr>||||
    !
  !
!
bsd-client|BSD client configuration|k||
  server|Server configuration|k||
    url|Server URL|k/o/n||
      word|URL|||
        <cr>||||
        !
      !
    !
  !
!
buffers|Adjust system buffer pool parameters|k||
  #|buffer pool|k||
    small|Small buffers||
    middle|Middle buffers||
    big|Big buffers||
    verybig|Very Big buffers||
    large|Large buffers||
    huge|Huge buffers||
  #|||
    #|parameter|k/o/n||
      permanent|Number of permanent buffers||
      max-free|Maximum number of free buffers||
      min-free|Minimum number of free buffers||
      initial|Temporary buffers allocated at system reload||
    #|||
      <0-65536>|Number of buffers|||
        <cr>||||
        !

      !
    !
  !
!
// ---- cdp, clock, cluster ----
call-home|Enter call-home configuration mode|k||
  <cr>||||@(cfg-call-home)# call_home.cfm
  !
!
cdp|Global CDP configuration subcommands|k||
  run|Enable CDP|k/sb/o||
    <cr>||||
    !
  !
  advertise-v2|CDP sends version-2 advertisements|k/sn||
    <cr>||||
    !
  !
  log|Log messages generated by CDP|k||
    mismatch|Log CDP mismatches|k||
      duplex|Log the duplex-mismatches generated by CDP|k/sn||
        <cr>||||
        !
      !
      native|Log the native-vlan mismatches generated by CDP|k/sn||
        <cr>||||
        !
      !
    !
  !
  timer|Specify the rate at which CDP packets are sent|k/o/n||
    <5-254>|Rate at which CDP packets are sent (in sec)|||
      <cr>||||
      !
    !
  !
  holdtime|Specify the holdtime (in sec) to be sent in packets|k/o/n||
    <10-255>|Length of time (in sec) that receiver must keep this packet|||
      <cr>||||
      !
    !
  !
!
clock|Configure time-of-day clock|k||
  timezone|Configure time zone|k/o/n||
    word|name of time zone|||
      <-23-23>|Hours offset from UTC|||
        <cr>||||
        !
        <0-59>|Minutes offset from UTC|||
          <cr>||||
          !
        !
      !
    !
  !
  summer-time|Configure summer (daylight savings) time|k/o/n||
    word|name of time zone in summer|||
      line|recurring or date rule|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  calendar-valid|Calendar time is authoritative|k||
    <cr>||||
    !
  !
!
cluster|Cluster configuration commands|k||
  enable|Enable cluster command switch|k/o/n||
    word|Name of the cluster|||
      <0-31>|Cluster member number|||
        <cr>||||
        !
      !
    !
  !
  run|Enable clustering on this switch|k/sb/o||
    <cr>||||
    !
  !
!
coap|Constrained application protocol|k||
  http|HTTP configuration|k||
    enable|Enable|k/sb/o||
      <cr>||||
      !
    !
  !
!
config-register|Define the configuration register|k/o/n||
  word|Config register value (hexadecimal, 0x0 to 0xffff)|||
    <cr>||||
    !
  !
!
configure|Configuration profiles|k||
  maintenance|Maintenance mode|k||
    profile|Maintenance profile|k||
      #|profile|k/n||
        normal-mode|Profile applied when leaving maintenance mode||
        maintenance-mode|Profile applied when entering maintenance mode||
      #|||
        <cr>||||@(config-mm-profile)# maintenance_profile.cfm
        !
      !
    !
  !
!
control-plane|Configure control plane services|k||
  <cr>||||@(config-cp)# control_plane.cfm
  !
!
cops|Common Open Policy Service|k||
  listener|COPS listener|k||
    access-list|Access list for COPS connections|k/o/n||
      word|Access list name or number|||
        <cr>||||
        !
      !
    !
  !
!
cos-queue-group|Class of service queue group|k||
  word|Queue group name|k/n||
    <cr>||||@(config-cos-queue)# cos_queue_group.cfm
    !

  !
!
// ---- crypto ----
crypto|Encryption module|k||
  isakmp|Configure ISAKMP policy|k||
    policy|Set policy for an ISAKMP protection suite|k||
      <1-10000>|Priority of protection suite|k/n||
        <cr>||||@(config-isakmp)# crypto_isakmp_policy.cfm
        !
      !
    !
    profile|Define ISAKMP profiles|k||
      word|Name of the profile|k/n||
        <cr>||||@(conf-isa-prof)# crypto_isakmp_profile.cfm
        !
      !
    !
    key|Set pre-shared key for remote peer|k||
      word|pre-shared key|k/n||
        address|define shared key with IP address|||
          a.b.c.d|Peer IP address|k/o/n||
            <cr>||||
            !
            a.b.c.d|Peer IP subnet mask|||
              <cr>||||
              !
              no-xauth|Bypasses XAuth for this peer|||
                <cr>||||
                !
              !
            !
            no-xauth|Bypasses XAuth for this peer|||
              <cr>||||
              !
            !
          !
        !
        hostname|Define shared key with hostname|||
          word|fully qualified domain name of peer|k/o/n||
            <cr>||||
            !
          !
        !
      !
    !
    identity|Set the identity which ISAKMP will use|k/o/n||
      #|identity type|||
        address|Use the IP address of the interface for the identity||
        dn|Use the distinguished name of the router cert for the identity||
        hostname|Use the hostname of the router for the identity||
      #|||
        <cr>||||
        !
      !
    !
    keepalive|Set a keepalive interval for use with IOS peers|k/o/n||
      <10-3600>|Number of seconds between keep alives|||
        <2-60>|Number of seconds between retries if keep alive fails|||
          <cr>||||
          !
          #|keepalive mode|||
            periodic|Send keepalives on regular intervals||
            on-demand|Send keepalives on demand||
          #|||
            <cr>||||
            !
          !
        !
      !
    !
    nat|Set a nat keepalive interval for use with IOS peers|k||
      keepalive|Set a nat keepalive interval|k/o/n||
        <5-3600>|Number of seconds between nat keep alives|||
          <cr>||||
          !
        !
      !
    !
    invalid-spi-recovery|Initiate IKE and send Invalid SPI Notify|k||
      <cr>||||
      !
    !
    enable|Enable ISAKMP|k/sn||
      <cr>||||
      !
    !
    nat-traversal|Enable NAT traversal|k/sn||
      <cr>||||
      !
    !
    aggressive-mode|Disable ISAKMP aggressive mode|k||
      disable|Disable ISAKMP aggressive mode|k||
        <cr>||||
        !
      !
    !
  !
  ipsec|Configure IPSEC policy|k||
    transform-set|Define transform and settings|k||
      word|Transform set tag|k/o/n||
        #|Transform|lb/le/wa||
          ah-md5-hmac|AH-HMAC-MD5 transform||
          ah-sha-hmac|AH-HMAC-SHA transform||
          ah-sha256-hmac|AH-HMAC-SHA256 transform||
          esp-3des|ESP transform using 3DES(EDE) cipher (168 bits)||
          esp-aes|ESP transform using AES cipher||
          esp-des|ESP transform using DES cipher (56 bits)||
          esp-gcm|ESP transform using GCM cipher||
          esp-gmac|ESP transform using GMAC cipher||
          esp-md5-hmac|ESP transform using HMAC-MD5 auth||
          esp-null|ESP transform w/o cipher||
          esp-sha-hmac|ESP transform using HMAC-SHA auth||
          esp-sha256-hmac|ESP transform using HMAC-SHA256 auth||
          esp-sha384-hmac|ESP transform using HMAC-SHA384 auth||
          esp-sha512-hmac|ESP transform using HMAC-SHA512 auth||
          128|128 bit keys||
          192|192 bit keys||
          256|256 bit keys||
        #|||
          <cr>||||@(cfg-crypto-trans)# crypto_transform_set.cfm
          !
        !
      !
    !
    profile|Configure an ipsec policy profile|k||
      word|Profile name|k/n||
        <cr>||||@(ipsec-profile)# crypto_ipsec_profile.cfm
        !
      !
    !
    security-association|Security association parameters|k||
      #|parameter|k/o/n||
        pmtu-aging|Security association PMTU aging||
        replay|Set replay checking||
        lifetime|Security association lifetime||
        idle-time|Automatically delete IPSec SAs after a given idle period||
      #|||
        line|value|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    df-bit|Handling of encapsulated DF bit|k/o/n||
      #|DF bit handling|||
        clear|Clear DF bit for encapsulated packets||
        copy|Copy DF bit from inner for encapsulated packets||
        set|Set DF bit for encapsulated packets||
      #|||
        <cr>||||
        !
      !
    !
    fragmentation|Fragmentation before or after encryption|k/o/n||
      #|when to fragment|||
        before-encryption|Perform fragmentation of large packets before encryption||
        after-encryption|Perform fragmentation of large packets after encryption||
      #|||
        <cr>||||
        !
      !
    !
    nat-transparency|IPsec NAT transparency model|k||
      #|model|k/sn||
        spi-matching|Match inbound SPI to outbound SPI||
        udp-encapsulation|UDP encapsulation of IPsec protocols||
      #|||
        <cr>||||
        !
      !
    !
    ikev1|IKEv1 settings|k||
      transform-set|Define transform and settings|k||
        word|Transform set tag|k/o/n||
          line|Transforms|lb/le/wa||
            <cr>||||
            !
          !
        !
      !
    !
    ikev2|IKEv2 settings|k||
      ipsec-proposal|Define an IPsec proposal|k||
        word|Proposal name|k/n||
          <cr>||||@(config-ipsec-proposal)# crypto_ipsec_proposal.cfm
          !
        !
      !
    !
  !
  map|Enter a crypto map|k||
    word|Crypto map tag|k||
      <1-65535>|Sequence to insert into crypto map entry|k/n||
        <cr>||||@(config-crypto-map)# crypto_map.cfm
        !
        ipsec-isakmp|IPSEC w/ISAKMP|||
          <cr>||||@(config-crypto-map)# crypto_map.cfm
          !
          dynamic|Enable dynamic crypto map support|||
            word|Name of dynamic crypto map template|k/o/n||
              <cr>||||
              !
            !
          !
          profile|Specify ISAKMP profile to use|||
            word|ISAKMP profile name|k/o/n||
              <cr>||||@(config-crypto-map)# crypto_map.cfm
              !
            !
          !
        !
        ipsec-manual|IPSEC w/manual keying|||
          <cr>||||@(config-crypto-map)# crypto_map.cfm
          !
        !
        match|Match values|k||
          address|Match address of packets to encrypt|k/o/n||
            word|Access list name or number|||
              <cr>||||
              !
            !
          !
        !
        set|Specify crypto map settings|k||
          line|setting (peer, pfs, transform-set, security-association, ikev1)|lb/le/wa/k||
            <cr>||||
            !
          !
        !
      !
      interface|Bind the crypto map to an interface|k||
        word|Interface name|k/o/n||
          <cr>||||
          !
        !
      !
      redundancy|Redundancy settings|k||
        line|settings|lb/le/wa||
          <cr>||||
          !
        !
      !
      local-address|Interface to use for local address|k/o/n||
        &interfacefile.cfm|Interface type|k||
          <slot/port>|interface number|k/n||
            <cr>||||
            !
          !
        !
      !
    !
  !
  dynamic-map|Enter a dynamic crypto map|k||
    word|Dynamic crypto map template tag|k||
      <1-65535>|Sequence to insert into crypto map entry|k/n||
        <cr>||||@(config-crypto-map)# crypto_map.cfm
        !
        set|Specify crypto map settings|k||
          line|setting (peer, pfs, transform-set, security-association, ikev1)|lb/le/wa/k||
            <cr>||||
            !
          !
        !
        match|Match values|k||
          address|Match address of packets to encrypt|k/o/n||
            word|Access list name or number|||
              <cr>||||
              !
            !
          !
        !
      !
    !
  !
  keyring|Key ring commands|k||
    word|Name of a key ring|k/n||
      <cr>||||@(conf-keyring)# crypto_keyring.cfm
      !
      vrf|Front door VRF the key ring applies to|||
        word|VRF name|k/o/n||
          <cr>||||@(conf-keyring)# crypto_keyring.cfm
          !
        !
      !
    !
  !
  key|Long term key operations|k||
    generate|Generate new keys|k||
      line|key type and options|lb/le/wa/k||
        <cr>||||
        !
      !
    !
    param|Key parameters|k||
      line|key type and options|lb/le/wa/k||
        <cr>||||
        !
      !
    !
    pubkey-chain|Peer public key chain management|k||
      rsa|Peer RSA public key chain management|k||
        <cr>||||@(config-pubkey-chain)# crypto_pubkey_chain.cfm
        !
      !
    !
    zeroize|Remove keys|k||
      line|key type and label|lb/le/wa/k||
        <cr>||||
        !
      !
    !
  !
  pki|Public Key components|k||
    trustpoint|Define a CA trustpoint|k||
      word|Trustpoint name|k/n||
        <cr>||||@(ca-trustpoint)# crypto_pki_trustpoint.cfm
        !
      !
    !
    certificate|Actions on certificates|k||
      chain|Certificate chain for a trustpoint|k||
        word|Trustpoint name|k/n||
          <cr>||||@(config-cert-chain)# crypto_cert_chain.cfm
          !
        !
      !
      map|Define a certificate map|k||
        line|map name and sequence|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    server|Enable IOS Certificate server|k||
      word|Name of the certificate server|k/n||
        <cr>||||@(cs-server)# crypto_pki_server.cfm
        !
      !
    !
    token|Configure token functionality|k||
      line|token name and settings|lb/le/wa/k||
        <cr>||||
        !
      !
    !
    trustpool|Trustpool configuration|k||
      policy|Trustpool policy|k||
        <cr>||||@(ca-trustpool)# crypto_pki_trustpool.cfm
        !
      !
    !
  !
  ca|Certification authority (older form of crypto pki)|k||
    trustpoint|Define a CA trustpoint|k||
      word|Trustpoint name|k/n||
        <cr>||||@(ca-trustpoint)# crypto_pki_trustpoint.cfm
        !
      !
    !
    certificate|Actions on certificates|k||
      chain|Certificate chain for a trustpoint|k||
        word|Trustpoint name|k/n||
          <cr>||||@(config-cert-chain)# crypto_cert_chain.cfm
          !
        !
      !
    !
    server|Enable IOS Certificate server|k||
      <cr>||||@(cs-server)# crypto_pki_server.cfm
      !
      word|Name of the certificate server|k/n||
        <cr>||||@(cs-server)# crypto_pki_server.cfm
        !
      !
    !
    trustpool|Trustpool configuration|k||
      policy|Trustpool policy|k||
        <cr>||||@(ca-trustpool)# crypto_pki_trustpool.cfm
        !
      !
    !
    lookup|Certificate lookup|k/o/n||
      line|lookup source|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  csr-params|Certificate signing request parameters|k||
    word|CSR parameter set name|k/n||
      <cr>||||@(ca-csr-params)# crypto_csr_params.cfm
      !
    !
  !
  engine|Crypto engine configuration|k||
    line|engine settings|lb/le/wa/k/sb/o||
      <cr>||||
      !
    !
  !
  ikev1|Configure IKEv1|k||
    policy|Set policy for an IKEv1 protection suite|k||
      <1-65535>|Priority of protection suite|k/n||
        <cr>||||@(config-ikev1-policy)# crypto_isakmp_policy.cfm
        !
      !
    !
    enable|Enable IKEv1 on an interface|k||
      word|Interface name|k/n||
        <cr>||||
        !
      !
    !
    am-disable|Disable aggressive mode|k||
      <cr>||||
      !
    !
    ipsec-over-tcp|IPsec over TCP|k/o/n||
      <cr>||||
      !
      port|TCP port|||
        line|port numbers|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  ikev2|Configure IKEv2|k||
    policy|Define IKEv2 policies|k||
      word|Policy name|k/n||
        <cr>||||@(config-ikev2-policy)# crypto_ikev2.cfm
        !
      !
    !
    profile|Define IKEv2 profiles|k||
      word|Profile name|k/n||
        <cr>||||@(config-ikev2-profile)# crypto_ikev2.cfm
        !
      !
    !
    proposal|Define IKEv2 proposals|k||
      word|Proposal name|k/n||
        <cr>||||@(config-ikev2-proposal)# crypto_ikev2.cfm
        !
      !
    !
    keyring|Define IKEv2 keyrings|k||
      word|Keyring name|k/n||
        <cr>||||@(config-ikev2-keyring)# crypto_ikev2.cfm
        !
      !
    !
    enable|Enable IKEv2 on an interface|k||
      word|Interface name|k/n||
        <cr>||||
        !
      !
    !
    remote-access|Remote access settings|k||
      line|settings|lb/le/wa/k||
        <cr>||||
        !
      !
    !
  !
!
ctl-file|Certificate trust list file|k||
  word|CTL file name|k/n||
    <cr>||||@(config-ctl-file)# ctl_file.cfm
    !

  !
!
// ---- d ----
default-value|Default character-bits values|k||
  #|value|k/o/n||
    data-character-bits|Size of characters being handled||
    exec-character-bits|Size of characters to the command exec||
    special-character-bits|Size of the escape (and other special) characters||
  #|||
    #|bits|||
      7|Seven bit characters||
      8|Eight bit characters||
    #|||
      <cr>||||
      !
    !
  !
!
device|Device classification|k||
  classifier|Enable the device classifier|k/sb/o||
    <cr>||||
    !
  !
!
diagnostic|Configure diagnostic information|k||
  bootup|Configure diagnostic boot up level|k||
    level|Select the diagnostic level at bootup|k/o/n||
      #|level|||
        bypass|Bypass diagnostic||
        complete|Complete diagnostic||
        minimal|Minimal diagnostic||
      #|||
        <cr>||||
        !
      !
    !
  !
!
dialer|Dialer watch-list|k||
  watch-list|Dialer watch-list|k||
    <1-255>|Dialer watch-list group number|k/n||
      line|watched route|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
  !
!
dot1x|IEEE 802.1X global configuration|k||
  system-auth-control|Enable or disable SysAuthControl|k/sb/o||
    <cr>||||
    !
  !
!
downlink|Downlink settings|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
dual-mode-default-vlan|Default vlan for dual mode|k/o/sb||
  <cr>||||
  !
  line|vlan|lb/le/wa||
    <cr>||||
    !

  !
!
// ---- e ----
enable|Modify enable password parameters|k||
  secret|Assign the privileged level secret|k/o/n||
    #|encryption type|||
      0|Specifies an UNENCRYPTED password will follow||
      5|Specifies a MD5 HASHED secret will follow||
      8|Specifies a PBKDF2 HASHED secret will follow||
      9|Specifies a SCRYPT HASHED secret will follow||
    #|||
      word|The secret|||
        <cr>||||
        !
      !
    !
    level|Set exec level password|||
      <1-15>|Level number|k||
        word|The secret|||
          <cr>||||
          !
        !
      !
    !
    word|The UNENCRYPTED (cleartext) 'enable' secret|||
      <cr>||||
      !
    !
  !
  password|Assign the privileged level password|k/o/n||
    #|encryption type|||
      0|Specifies an UNENCRYPTED password will follow||
      7|Specifies a HIDDEN password will follow||
    #|||
      word|The password|||
        <cr>||||
        !
      !
    !
    level|Set exec level password|||
      <1-15>|Level number|k||
        word|The password|||
          <cr>||||
          !
        !
      !
    !
    word|The UNENCRYPTED (cleartext) 'enable' password|||
      <cr>||||
      !
    !
  !
!
environment-monitor|Environment monitor|k||
  shutdown|Shutdown on environment condition|k||
    #|condition|k/sn||
      temperature|Temperature||
      fan|Fan||
    #|||
      <cr>||||
      !
    !
  !
!
epm|Enforcement policy module|k||
  logging|Enable EPM logging|k/sb/o||
    <cr>||||
    !
  !
!
errdisable|Error disable|k||
  recovery|Enable error disable recovery for application|k||
    cause|Enable error disable recovery for application|k||
      &errdisable.cfm|Error disable cause|k/n||
        <cr>||||
        !
      !
    !
    interval|Error disable recovery timer value|k/o/n||
      <30-86400>|timer-interval(sec)|||
        <cr>||||
        !
      !
    !
  !
!
ethernet|Ethernet configuration|k||
  lmi|Ethernet LMI|k||
    ce|Customer edge|k/sb/o||
      <cr>||||
      !
    !
  !
  cfm|Ethernet connectivity fault management|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
event|Event related configuration commands|k||
  manager|Event Manager configuration commands|k||
    applet|Register an Event Manager applet|k||
      word|Name of the Event Manager applet|k/n||
        <cr>||||@(config-applet)# event_applet.cfm
        !
        authorization|Specify an authorization type for the applet|||
          bypass|Bypass AAA authorization|||
            <cr>||||@(config-applet)# event_applet.cfm
            !
          !
        !
      !
    !
    session|Event Manager session|k||
      line|settings|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
    directory|Set Event Manager directory|k||
      line|settings|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
  !
!
exception|Exception handling|k||
  crashinfo|Crashinfo collections|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  memory|Memory leak debugging|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
exception-slave|Exception handling for the standby|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !

  !
!
// ---- f, g, h ----
fabric-mode|Fabric mode|k/o/n||
  word|mode|||
    <cr>||||
    !
  !
!
fabricpath|FabricPath configuration|k||
  mode|FabricPath mode|k/o/sb||
    word|mode|||
      <cr>||||
      !
    !
  !
!
fex|Fabric extender|k||
  <100-199>|Fabric extender number|k/n||
    <cr>||||@(config-fex)# fex.cfm
    !
  !
!
gatekeeper|Enter gatekeeper configuration mode|k||
  <cr>||||@(config-gk)# gatekeeper.cfm
  !
!
global-port-security|Global port security|k||
  <cr>||||@(config-port-security)# port_security.cfm
  !
!
hardware|Hardware settings|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
hostname|Set system's network name|k/o/n||
  word|This system's network name|||
    <cr>||||
    !
  !
!
hpm|Hardware performance monitor|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !

  !
!
// ---- ip ----
ip|Global IP configuration subcommands|k||
  access-list|Named access list|k||
    standard|Standard Access List|k||
      <1-99>|Standard IP access-list number|k/n||
        <cr>||||@(config-std-nacl)# acl_standard.cfm
        !
      !
      <1300-1999>|Standard IP access-list number (expanded range)|k/n||
        <cr>||||@(config-std-nacl)# acl_standard.cfm
        !
      !
      word|Access-list name|k/n||
        <cr>||||@(config-std-nacl)# acl_standard.cfm
        !
      !
    !
    extended|Extended Access List|k||
      <100-199>|Extended IP access-list number|k/n||
        <cr>||||@(config-ext-nacl)# acl_extended.cfm
        !
      !
      <2000-2699>|Extended IP access-list number (expanded range)|k/n||
        <cr>||||@(config-ext-nacl)# acl_extended.cfm
        !
      !
      word|Access-list name|k/n||
        <cr>||||@(config-ext-nacl)# acl_extended.cfm
        !
      !
    !
    word|Access-list name (without a type: an extended list)|k/n||
      <cr>||||@(config-ext-nacl)# acl_extended.cfm
      !
    !
    logging|Control access list logging|k||
      #|setting|k/o/n||
        interval|Set access list logging interval||
        hash-generation|Enable hash value generation||
      #|||
        <cr>||||
        !
        <5-2147483647>|interval in milliseconds|||
          <cr>||||
          !
        !
      !
    !
    resequence|Resequence Access List|k||
      line|list, starting sequence number and increment|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
  !
  arp|IP ARP global configuration|k||
    gratuitous|Gratuitous ARP|k/o/n||
      #|setting|||
        local|Only local subnet gratuitous ARPs will be learned||
        none|No gratuitous ARPs will be learned||
      #|||
        <cr>||||
        !
      !
    !
    inspection|Dynamic ARP inspection|k||
      line|settings|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
  !
  as-path|BGP autonomous system path filter|k||
    access-list|Specify an access list name|k||
      #|list|k/n||
        <1-500>|Regular expression access list number||
        word|Access list name||
      #|||
        #|action|k||
          permit|Specify packets to forward||
          deny|Specify packets to reject||
        #|||
          line|A regular-expression to match BGP AS paths|lb/le/wa/k/n||
            <cr>||||
            !
          !
        !
      !
    !
  !
  bgp-community|Format for BGP community|k||
    new-format|select aa:nn format for BGP community|k/o/sb||
      <cr>||||
      !
    !
  !
  bootp|BOOTP configuration|k||
    server|Enable BOOTP server|k/sn||
      <cr>||||
      !
    !
  !
  cef|Cisco Express Forwarding|k/o/sb||
    <cr>||||
    !
    distributed|Distributed Cisco Express Forwarding|||
      <cr>||||
      !
    !
    load-sharing|Load sharing|k||
      line|algorithm|lb/le/wa/o/n||
        <cr>||||
        !
      !
    !
  !
  classless|Follow classless routing forwarding rules|k/sn||
    <cr>||||
    !
  !
  community-list|Add a community list entry|k||
    standard|Add a standard community-list entry|k||
      word|Community list name|k/n||
        #|action|k||
          permit|Specify community to accept||
          deny|Specify community to reject||
        #|||
          line|Community number, aa:nn format or well-known community|lb/le/wa/k/n||
            <cr>||||
            !
          !
        !
      !
    !
    expanded|Add an expanded community-list entry|k||
      word|Community list name|k/n||
        #|action|k||
          permit|Specify community to accept||
          deny|Specify community to reject||
        #|||
          line|An ordered list as a regular-expression|lb/le/wa/k/n||
            <cr>||||
            !
          !
        !
      !
    !
    <1-99>|Community list number (standard)|k/n||
      #|action|k||
        permit|Specify community to accept||
        deny|Specify community to reject||
      #|||
        line|Community number|lb/le/wa/k/n||
          <cr>||||
          !
        !
      !
    !
    <100-500>|Community list number (expanded)|k/n||
      #|action|k||
        permit|Specify community to accept||
        deny|Specify community to reject||
      #|||
        line|An ordered list as a regular-expression|lb/le/wa/k/n||
          <cr>||||
          !
        !
      !
    !
    word|Community list name|k/n||
      #|action|k||
        permit|Specify community to accept||
        deny|Specify community to reject||
      #|||
        line|Community number, aa:nn format or well-known community|lb/le/wa/k/n||
          <cr>||||
          !
        !
      !
    !
  !
  default-gateway|Specify default gateway (if not routing IP)|k/o/n||
    a.b.c.d|IP address of default gateway|||
      <cr>||||
      !
    !
  !
  default-network|Flags networks as candidates for default routes|k||
    a.b.c.d|IP address of default network|k/n||
      <cr>||||
      !
    !
  !
  dhcp|Configure DHCP server and relay parameters|k||
    pool|Configure DHCP address pools|k||
      word|Pool name|k/n||
        <cr>||||@(dhcp-config)# dhcp_pool.cfm
        !
      !
    !
    excluded-address|Prevent DHCP from assigning certain addresses|k||
      a.b.c.d|Low IP address|k/n||
        <cr>||||
        !
        a.b.c.d|High IP address|k/n||
          <cr>||||
          !
        !
      !
      vrf|VRF name|||
        word|VRF name|k||
          a.b.c.d|Low IP address|k/n||
            <cr>||||
            !
            a.b.c.d|High IP address|k/n||
              <cr>||||
              !
            !
          !
        !
      !
    !
    smart-relay|Enable Smart Relay feature|k/sb/o||
      <cr>||||
      !
    !
    snooping|DHCP Snooping|k||
      <cr>||||
      !
      line|settings|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
    relay|DHCP relay agent parameters|k||
      line|settings|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
    use|Configure use of DHCP options|k||
      line|settings|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
    database|Configure DHCP database agents|k||
      line|URL and options|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
    conflict|DHCP address conflict parameters|k||
      logging|Record DHCP address conflicts to a log|k/sn||
        <cr>||||
        !
      !
    !
  !
  domain|IP DNS Resolver|k||
    name|Define the default domain name|k/o/n||
      word|Default domain name|||
        <cr>||||
        !
      !
      vrf|Specify VRF|||
        word|VRF name|k||
          word|Default domain name|||
            <cr>||||
            !
          !
        !
      !
    !
    lookup|Enable IP Domain Name System hostname translation|k/sn||
      <cr>||||
      !
      source-interface|Source interface for DNS resolver|k/o/n||
        &interfacefile.cfm|Interface type|k||
          <slot/port>|interface number|n||
            <cr>||||
            !
          !
        !
      !
    !
    list|Domain name to complete unqualified host names|k||
      word|A domain name|k/n||
        <cr>||||
        !
      !
    !
  !
  domain-name|Define the default domain name (older form)|k/o/n||
    word|Default domain name|||
      <cr>||||
      !
    !
  !
  domain-lookup|Enable IP Domain Name System hostname translation|k/sn||
    <cr>||||
    !
  !
  flow-aggregation|Configure flow aggregation|k||
    cache|Configure netflow cache parameters|k||
      line|aggregation scheme|lb/le/wa/k/n||
        <cr>||||@(config-flow-cache)# flow_cache.cfm
        !
      !
    !
  !
  flow-cache|Configure netflow cache parameters|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  flow-export|Specify host/port to send flow statistics|k||
    source|Specify interface for source address|k/o/n||
      &interfacefile.cfm|Interface type|k||
        <slot/port>|interface number|n||
          <cr>||||
          !
        !
      !
    !
    version|Specify version number|k/o/n||
      line|version and options|lb/le/wa||
        <cr>||||
        !
      !
    !
    destination|Specify the Destination IP address|k||
      hostname or a.b.c.d|Destination IP address or hostname|k/n||
        line|UDP port and options|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  forward-protocol|Controls forwarding of physical and directed IP broadcasts|k||
    nd|Sun's Network Disk protocol|k/o/sb||
      <cr>||||
      !
    !
    udp|Packets to a specific UDP port|k||
      line|port|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
  !
  ftp|FTP configuration commands|k||
    source-interface|Specify interface for source address in connections|k/o/n||
      &interfacefile.cfm|Interface type|k||
        <slot/port>|interface number|n||
          <cr>||||
          !
        !
      !
    !
    username|Specify username for connections|k/o/n||
      word|Username|||
        <cr>||||
        !
      !
    !
    password|Specify password for connections|k/o/n||
      line|password|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  host|Add an entry to the ip hostname table|k||
    word|Name of host|k/n||
      line|Host IP addresses|lb/le/wa/o||
        <cr>||||
        !
      !
    !
  !
  http|HTTP server configuration|k||
    server|Enable HTTP server|k/o/sb||
      <cr>||||
      !
    !
    secure-server|Enable HTTP secure server|k/o/sb||
      <cr>||||
      !
    !
    authentication|Set HTTP server authentication method|k/o/n||
      #|method|||
        aaa|Use AAA access control methods||
        enable|Use enable passwords||
        local|Use local username and passwords||
      #|||
        <cr>||||
        !
        line|AAA method list names|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    access-class|Restrict http server access by access-class|k/o/n||
      line|access list|lb/le/wa||
        <cr>||||
        !
      !
    !
    client|HTTP client configuration|k||
      source-interface|Specify interface for source address in connections|k/o/n||
        &interfacefile.cfm|Interface type|k||
          <slot/port>|interface number|n||
            <cr>||||
            !
          !
        !
      !
    !
    session-idle-timeout|Set HTTP server session idle timeout|k/o/n||
      <1-1200>|HTTP server session idle timeout|||
        <cr>||||
        !
      !
    !
    timeout-policy|Set http timeout policy parameters|k/o/n||
      line|idle, life and requests|lb/le/wa||
        <cr>||||
        !
      !
    !
    max-connections|Set maximum number of concurrent http server connections|k/o/n||
      <1-16>|Maximum number of concurrent http server connections|||
        <cr>||||
        !
      !
    !
    port|HTTP server port|k/o/n||
      <1-65535>|port number|||
        <cr>||||
        !
      !
    !
    secure-trustpoint|Set the CA trustpoint|k/o/n||
      word|Trustpoint name|||
        <cr>||||
        !
      !
    !
    path|Set base path for HTML|k/o/n||
      word|Path|||
        <cr>||||
        !
      !
    !
  !
  icmp|ICMP options|k||
    rate-limit|Specify ICMP packet rate limitation|k||
      unreachable|Rate limit for unreachable packets|k/o/sb||
        <cr>||||
        !
        line|milliseconds and options|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  inspect|Context-based access control|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  internal|Internal settings|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  local|Specify local options|k||
    policy|Enable policy routing|k||
      route-map|Policy route map|k/o/n||
        word|Route map name|||
          <cr>||||
          !
        !
      !
    !
    pool|IP Local address pool lists|k||
      word|Name of this pool|k/n||
        line|addresses|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  mfwd|Multicast forwarding|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  multicast|Global IP multicast commands|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  multicast-routing|Enable IP multicast forwarding|k/sb/o||
    <cr>||||
    !
    distributed|Distributed multicast switching|||
      <cr>||||
      !
    !
    vrf|Select VPN Routing/Forwarding instance|||
      word|VPN Routing/Forwarding instance name|k/n||
        <cr>||||
        !
      !
    !
  !
  name-server|Specify address of name server to use|k||
    vrf|Specify VRF|||
      word|VRF name|k||
        a.b.c.d|Domain server IP address (maximum of 6)|lb/le/m/n||
          <cr>||||
          !
        !
      !
    !
    a.b.c.d|Domain server IP address (maximum of 6)|lb/le/m/n||
      <cr>||||
      !
    !
  !
  nat|NAT configuration commands|k||
    #|side|k||
      inside|Inside address translation||
      outside|Outside address translation||
    #|||
      source|Source address translation|k||
        list|Specify access list describing local addresses|||
          #|Access list|k/o/n||
            <1-199>|Access list number for local addresses||
            word|Access list name for local addresses||
          #|||
            pool|Name pool of global addresses|||
              word|Pool name for global addresses|n||&nat_dyn_opt.cfm
              !
            !
            interface|Specify interface for global address|||
              &interfacefile.cfm|Interface type|k||
                <slot/port>|interface number|n||&nat_dyn_opt.cfm
                !
              !
            !
          !
        !
        route-map|Specify route-map|||
          word|Route-map name|k/o/n||
            pool|Name pool of global addresses|||
              word|Pool name for global addresses|n||&nat_dyn_opt.cfm
              !
            !
            interface|Specify interface for global address|||
              &interfacefile.cfm|Interface type|k||
                <slot/port>|interface number|n||&nat_dyn_opt.cfm
                !
              !
            !
          !
        !
        static|Specify static local->global mapping|||
          a.b.c.d|Inside local IP address|k/n||
            a.b.c.d|Inside global IP address|k/o/n||&nat_static_opt.cfm
            !
          !
          #|protocol|||
            tcp|Transmission Control Protocol||
            udp|User Datagram Protocol||
          #|||
            a.b.c.d|Inside local IP address|k/n||
              <1-65535>|Local UDP/TCP port|k/n||
                a.b.c.d|Inside global IP address|k/o/n||
                  <1-65535>|Global UDP/TCP port|n||&nat_static_opt.cfm
                  !
                !
              !
            !
          !
          network|Subnet translation|||
            a.b.c.d|Inside local IP subnet|k/n||
              a.b.c.d|Inside global IP subnet|k/o/n||
                line|mask or prefix length and options|lb/le/wa||
                  <cr>||||
                  !
                !
              !
            !
          !
        !
      !
      destination|Destination address translation|k||
        list|Specify access list describing global addresses|||
          #|Access list|k/o/n||
            <1-199>|Access list number for global addresses||
            word|Access list name for global addresses||
          #|||
            pool|Name pool of local addresses|||
              word|Pool name for local addresses|n||
                <cr>||||
                !
              !
            !
          !
        !
        static|Specify static global->local mapping|||
          line|mapping|lb/le/wa/k/n||
            <cr>||||
            !
          !
        !
      !
    !
    pool|Define pool of addresses|k||
      word|Pool name|k/o/n||
        a.b.c.d|Start IP address|||
          a.b.c.d|End IP address|||
            netmask|Specify the network mask|||
              a.b.c.d|Network mask|||
                <cr>||||
                !
                line|options|lb/le/wa||
                  <cr>||||
                  !
                !
              !
            !
            prefix-length|Specify the prefix length|||
              <1-32>|Prefix length|||
                <cr>||||
                !
                line|options|lb/le/wa||
                  <cr>||||
                  !
                !
              !
            !
          !
        !
        netmask|Specify the network mask|||
          <cr>||||@(config-ipnat-pool)# nat_pool.cfm
          !
          a.b.c.d|Network mask|||
            <cr>||||@(config-ipnat-pool)# nat_pool.cfm
            !
          !
        !
        prefix-length|Specify the prefix length|||
          <1-32>|Prefix length|||
            <cr>||||@(config-ipnat-pool)# nat_pool.cfm
            !
          !
        !
      !
    !
    translation|NAT translation entry configuration|k||
      #|timeout|k/o/n||
        timeout|Specify timeout for dynamic NAT translations||
        tcp-timeout|Specify timeout for NAT TCP flows||
        udp-timeout|Specify timeout for NAT UDP flows||
        dns-timeout|Specify timeout for NAT DNS flows||
        icmp-timeout|Specify timeout for NAT ICMP flows||
        finrst-timeout|Specify timeout for NAT TCP flows after a FIN or RST||
        max-entries|Specify maximum number of NAT entries||
      #|||
        line|value|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    log|NAT logging|k||
      line|settings|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
  !
  ospf|OSPF|k||
    name-lookup|Display OSPF router ids as DNS names|k/sb/o||
      <cr>||||
      !
    !
  !
  pim|PIM global commands|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  prefix-list|Build a prefix list|k||
    word|Name of a prefix list|k/n||
      seq|sequence number of an entry|k||
        <1-4294967294>|Sequence number|k/o/n||
          #|action|||
            permit|Specify packets to forward||
            deny|Specify packets to reject||
          #|||
            a.b.c.d/<1-32>|IP prefix <network>/<length>, e.g., 35.0.0.0/8|n||&prefix_len_opt.cfm
            !
          !
        !
      !
      #|action|k||
        permit|Specify packets to forward||
        deny|Specify packets to reject||
      #|||
        a.b.c.d/<1-32>|IP prefix <network>/<length>, e.g., 35.0.0.0/8|k/n||&prefix_len_opt.cfm
        !
      !
      <1-4294967294>|Sequence number (without "seq", firewall style)|k/o/n||
        #|action|||
          permit|Specify packets to forward||
          deny|Specify packets to reject||
        #|||
          a.b.c.d/<1-32>|IP prefix <network>/<length>, e.g., 35.0.0.0/8|n||&prefix_len_opt.cfm
          !
        !
      !
      description|Prefix-list specific description|k/o/n||
        line|Up to 80 characters describing this prefix-list|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  radius|RADIUS configuration commands|k||
    source-interface|Specify interface for source address in RADIUS packets|k/o/n||
      &interfacefile.cfm|Interface type|k||
        <slot/port>|interface number|n||
          <cr>||||
          !
        !
      !
    !
  !
  route|Establish static routes|k||
    vrf|Configure static route for a VPN Routing/Forwarding instance|||
      word|VPN Routing/Forwarding instance name|k||
        a.b.c.d|Destination prefix|k||&ip_route_dest.cfm
        !
      !
    !
    static|Static route settings|k||
      line|settings|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
    a.b.c.d|Destination prefix|k||&ip_route_dest.cfm
    !
  !
  routing|Enable IP routing|k/sn||
    <cr>||||
    !
  !
  scp|Secure copy|k||
    server|Configure a SCP server|k||
      enable|Enable the SCP server|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  sla|IP Service Level Agreement|k||
    <1-2147483647>|Entry number|k/n||
      <cr>||||@(config-ip-sla)# ip_sla.cfm
      !
    !
    schedule|IP SLA schedule|k||
      <1-2147483647>|Entry number|k/o/n||
        <cr>||||
        !
        line|schedule settings (life, start-time, ageout, recurring)|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    responder|Enable the IP SLA responder|k/sb/o||
      <cr>||||
      !
    !
    enable|Enable IP SLA features|k||
      line|feature|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
  !
  source-route|Process packets with source routing header options|k/sn||
    <cr>||||
    !
  !
  spd|IP selective packet discard|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  ssh|Configure ssh options|k||
    version|Specify protocol version to be supported|k/o/n||
      #|version|||
        1|Protocol version 1||
        2|Protocol version 2||
      #|||
        <cr>||||
        !
      !
    !
    time-out|Specify SSH time-out interval|k/o/n||
      <1-120>|SSH time-out interval (secs)|||
        <cr>||||
        !
      !
    !
    timeout|Specify SSH time-out interval|k/o/n||
      <1-120>|SSH time-out interval (secs)|||
        <cr>||||
        !
      !
    !
    authentication-retries|Specify number of SSH authentication retries|k/o/n||
      <0-5>|Number of authentication retries|||
        <cr>||||
        !
      !
    !
    source-interface|Specify interface for source address in SSH connections|k/o/n||
      &interfacefile.cfm|Interface type|k||
        <slot/port>|interface number|n||
          <cr>||||
          !
        !
      !
    !
    logging|Configure logging for SSH|k||
      line|events|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
    rsa|Configure RSA keypair name for SSH|k||
      line|keypair-name|lb/le/wa/o/n||
        <cr>||||
        !
      !
    !
    dh|Diffie-Hellman settings|k||
      line|settings|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
    #|algorithm owner|k||
      client|Configure the SSH client||
      server|Configure the SSH server||
    #|||
      algorithm|Algorithms to use in priority order|k||
        #|algorithm type|k/o/n||
          encryption|Encryption algorithms||
          mac|MAC algorithms||
          kex|Key exchange algorithms||
          hostkey|Host key algorithms||
          authentication|Authentication methods||
        #|||
          line|algorithms in priority order|lb/le/wa||
            <cr>||||
            !
          !
        !
      !
    !
    pubkey-chain|pubkey-chain|k||
      <cr>||||@(conf-ssh-pubkey)# ssh_pubkey_chain.cfm
      !
    !
  !
  subnet-zero|Allow 'subnet zero' subnets|k/sn||
    <cr>||||
    !
  !
  tacacs|TACACS configuration commands|k||
    source-interface|Specify interface for source address in TACACS packets|k/o/n||
      &interfacefile.cfm|Interface type|k||
        <slot/port>|interface number|n||
          <cr>||||
          !
        !
      !
    !
  !
  tcp|Global TCP parameters|k||
    synwait-time|Set time to wait on new TCP connections|k/o/n||
      <5-300>|Wait time|||
        <cr>||||
        !
      !
    !
    path-mtu-discovery|Enable path-MTU discovery on new TCP connections|k/sb/o||
      <cr>||||
      !
      line|age-timer|lb/le/wa||
        <cr>||||
        !
      !
    !
    intercept|Enable TCP intercepting|k||
      line|settings|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
    adjust-mss|Adjust the TCP MSS|k/o/n||
      <500-1460>|Maximum segment size in bytes|||
        <cr>||||
        !
      !
    !
  !
  telnet|Telnet client settings|k||
    source-interface|Specify interface for source address in telnet connections|k/o/n||
      &interfacefile.cfm|Interface type|k||
        <slot/port>|interface number|n||
          <cr>||||
          !
        !
      !
    !
  !
  tftp|tftp configuration commands|k||
    source-interface|Specify interface for source address in TFTP connections|k/o/n||
      &interfacefile.cfm|Interface type|k||
        <slot/port>|interface number|n||
          <cr>||||
          !
        !
      !
    !
    blocksize|Specify TFTP client blocksize|k/o/n||
      <512-8192>|blocksize|||
        <cr>||||
        !
      !
    !
  !
  vrf|Configure an IP VPN Routing/Forwarding instance|k||
    word|VPN Routing/Forwarding instance name|k/n||
      <cr>||||@(config-vrf)# ip_vrf.cfm
      !
    !
  !
!
ipc|Inter-process communication|k||
  zone|Configure an IPC zone|k||
    default|Default zone|k/n||
      <cr>||||@(config-ipczone)# ipc_zone.cfm
      !

    !
  !
!
// ---- ipv6 ----
ipv6|Global IPv6 configuration commands|k||
  unicast-routing|Enable unicast routing|k||
    <cr>||||
    !
  !
  cef|Cisco Express Forwarding for IPv6|k/o/sb||
    <cr>||||
    !
    distributed|Distributed Cisco Express Forwarding|||
      <cr>||||
      !
    !
  !
  route|Configure static routes|k||
    line|prefix and next hop|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  access-list|Configure access lists|k||
    word|User selected string identifying this access list|k/n||
      <cr>||||@(config-ipv6-acl)# ipv6_acl.cfm
      !
    !
  !
  prefix-list|Build a prefix list|k||
    word|Name of a prefix list|k/n||
      line|sequence, action and prefix|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
  !
  local|Specify local options|k||
    policy|Enable policy routing|k||
      route-map|Policy route map|k/o/n||
        word|Route map name|||
          <cr>||||
          !
        !
      !
    !
  !
  enable-acl-cam-sharing|Enable ACL CAM sharing|k||
    <cr>||||
    !
  !
  global-mtu|Configure the global MTU|k/o/n||
    <1280-9216>|MTU|||
      <cr>||||
      !
    !
  !
  ioam|In-situ OAM|k||
    timestamp|Enable timestamps|k||
      <cr>||||
      !
    !
  !
  multicast-routing|Enable IPv6 multicast|k||
    <cr>||||
    !
  !
  general-prefix|Configure a general IPv6 prefix|k||
    line|prefix name and value|lb/le/wa/k/n||
      <cr>||||
      !

    !
  !
!
// ---- k, l ----
key|Key management|k||
  chain|Key-chain management|k||
    word|Key-chain name|k/n||
      <cr>||||@(config-keychain)# key_chain.cfm
      !
    !
  !
  config-key|Set a private configuration key|k||
    line|key settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
keystore|Keystore configuration|k||
  type|Keystore type|k/o/n||
    word|Keystore type|||
      <cr>||||
      !
    !
  !
!
l2|Layer 2 configuration|k||
  vfi|Virtual forwarding instance|k||
    word|VFI name|k/n||
      #|mode|||
        manual|Manually configure the VFI||
        autodiscovery|Autodiscover the VFI members||
      #|||
        <cr>||||@(config-vfi)# l2_vfi.cfm
        !
      !
    !
  !
!
l2protocol|Layer 2 protocol tunneling|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
l2tp-class|L2TP class configuration|k||
  word|L2TP class name|k/n||
    <cr>||||@(config-l2tp-class)# l2tp_class.cfm
    !
  !
!
lag|Link aggregation group|k||
  word|LAG name|k/n||
    line|LAG type and id|lb/le/wa||
      <cr>||||@(config-lag)# lag.cfm
      !
    !
  !
!
license|License configuration|k||
  udi|Unique device identifier|k||
    pid|Product identifier|k||
      word|Product identifier|k/n||
        sn|Serial number|||
          word|Serial number|k/n||
            <cr>||||
            !
          !
        !
      !
    !
  !
  grace-period|Grace period|k/sn||
    <cr>||||
    !
  !
  smart|Smart licensing|k||
    enable|Enable smart licensing|k/sn||
      <cr>||||
      !
    !
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  boot|License boot settings|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
// "line" is also the name of the free-text token type: a node keyed "line"
// would take any unknown word.  The keyword comes from a key table instead.
&cmd_line.cfm|Configure a terminal line|k||
  #|line type|k||
    console|Primary terminal line||
    con|Primary terminal line||
    aux|Auxiliary line||
    vty|Virtual terminal||
  #|||
    <0-1500>|First Line number|k/n||
      <cr>||||@(config-line)# line.cfm
      !
      <1-1500>|Last Line number|k/n||
        <cr>||||@(config-line)# line.cfm
        !
      !
    !
  !
  <0-1500>|First Line number|k/n||
    <cr>||||@(config-line)# line.cfm
    !
    <1-1500>|Last Line number|k/n||
      <cr>||||@(config-line)# line.cfm
      !
    !
  !
!
lldp|Global LLDP configuration subcommands|k||
  run|Enable LLDP|k/o/sb||
    <cr>||||
    !
  !
  timer|Specify the rate at which LLDP packets are sent|k/o/n||
    <5-65534>|Rate at which LLDP packets are sent (in sec)|||
      <cr>||||
      !
    !
  !
  holdtime|Specify the holdtime (in sec) to be sent in packets|k/o/n||
    <0-65535>|Length of time (in sec) that receiver must keep this packet|||
      <cr>||||
      !
    !
  !
!
load-balance|Load balancing|k||
  policies|Load balancing policies|k||
    <cr>||||@(config-load-balance)# load_balance.cfm
    !
  !
!
load-interval|Interval for load calculation|k||
  default|Default interval|k/o/n||
    <5-600>|Load interval delay in seconds|||
      <cr>||||
      !
    !
  !
!
locale|Locale|k/o/n||
  word|Locale name|||
    <cr>||||
    !
  !
!
logging|Modify message logging facilities|k||
  hostname or a.b.c.d|IP address of the logging host|k/o/n||&logging_host_opt.cfm
  !
  host|Set syslog server IP address and parameters|k||
    hostname or a.b.c.d|IP address of the syslog server|k/o/n||&logging_host_opt.cfm
    !
    vrf|Set VRF option|||
      word|VPN Routing/Forwarding instance name|k||
        hostname or a.b.c.d|IP address of the syslog server|k/o/n||&logging_host_opt.cfm
        !
      !
    !
    ipv6|Set syslog server IPv6 address|||
      word|IPv6 address of the syslog server|k/o/n||&logging_host_opt.cfm
      !
    !
  !
  buffered|Set buffered logging parameters|k/o/n||
    <cr>||||
    !
    <4096-2147483647>|Logging buffer size|||
      <cr>||||
      !
      &loglevels.cfm|Logging severity level|||
        <cr>||||
        !
      !
    !
    &loglevels.cfm|Logging severity level|||
      <cr>||||
      !
    !
    discriminator|Establish MD-Buffer association|||
      word|discriminator name|||
        <cr>||||
        !
      !
    !
  !
  console|Set console logging parameters|k/o/sb||
    <cr>||||
    !
    &loglevels.cfm|Logging severity level|||
      <cr>||||
      !
    !
    discriminator|Establish MD-Console association|||
      word|discriminator name|||
        <cr>||||
        !
      !
    !
  !
  monitor|Set terminal line (monitor) logging parameters|k/o/sb||
    <cr>||||
    !
    &loglevels.cfm|Logging severity level|||
      <cr>||||
      !
    !
  !
  trap|Set syslog server logging level|k/o/n||
    <cr>||||
    !
    &loglevels.cfm|Logging severity level|||
      <cr>||||
      !
    !
  !
  facility|Facility parameter for syslog messages|k/o/n||
    #|facility|||
      auth|Authorization system||
      cron|Cron/at facility||
      daemon|System daemons||
      kern|Kernel||
      local0|Local use||
      local1|Local use||
      local2|Local use||
      local3|Local use||
      local4|Local use||
      local5|Local use||
      local6|Local use||
      local7|Local use||
      lpr|Line printer system||
      mail|Mail system||
      news|USENET news||
      syslog|Syslog itself||
      user|User process||
      uucp|Unix-to-Unix copy system||
    #|||
      <cr>||||
      !
    !
  !
  source-interface|Specify interface for source address in logging transactions|k||
    &interfacefile.cfm|Interface type|k||
      <slot/port>|interface number|k/o/n||
        <cr>||||
        !
        vrf|Specify the vrf of source interface for logging transactions|||
          word|VPN Routing/Forwarding instance name|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  origin-id|Add origin ID to syslog messages|k/o/n||
    #|origin|||
      hostname|Use origin hostname as ID||
      ip|Use origin IP address as ID||
      ipv6|Use origin IPv6 address as ID||
    #|||
      <cr>||||
      !
      string|Define a unique text string as ID|||
        line|The unique text string ID|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  userinfo|Enable logging of user info on privileged mode enabling|k||
    <cr>||||
    !
  !
  rate-limit|Set messages per second limit|k/o/n||
    line|rate and options|lb/le/wa||
      <cr>||||
      !
    !
  !
  event|Global interface events|k||
    line|events|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  persistent|Set persistent logging parameters|k/o/n||
    <cr>||||
    !
    line|parameters|lb/le/wa||
      <cr>||||
      !
    !
  !
  queue-limit|Set logger message queue size|k/o/n||
    line|size|lb/le/wa||
      <cr>||||
      !
    !
  !
  discriminator|Create or modify a message discriminator|k||
    word|discriminator name|k/o/n||
      line|match expressions|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  alarm|Configure syslog for alarms|k/o/n||
    line|severity|lb/le/wa||
      <cr>||||
      !
    !
  !
  on|Enable logging to all enabled destinations|k/sn||
    <cr>||||
    !
  !
!
login|Enable secure login checking|k||
  block-for|Set quiet-mode active time period|k/o/n||
    <1-65535>|Number of seconds|||
      attempts|Set max number of fail attempts|||
        <1-65535>|Number of attempts|||
          within|Watch period for repeated login failures|||
            <1-65535>|Number of seconds|||
              <cr>||||
              !
            !
          !
        !
      !
    !
  !
  on-success|Set options for successful login|k||
    log|Generate logs for successful logins|k/o/n||
      <cr>||||
      !
      every|Log every N successful logins|||
        <1-65535>|Every N logins|||
          <cr>||||
          !
        !
      !
    !
  !
  on-failure|Set options for failed login|k||
    log|Generate logs for failed logins|k/o/n||
      <cr>||||
      !
      every|Log every N failed logins|||
        <1-65535>|Every N logins|||
          <cr>||||
          !
        !
      !
    !
  !
  delay|Set delay between successive logins|k/o/n||
    <1-10>|Number of seconds|||
      <cr>||||
      !
    !
  !
  quiet-mode|Set quiet-mode options|k||
    access-class|Use access-list as exception list during quiet-mode|k/o/n||
      word|Access list name or number|||
        <cr>||||
        !
      !
    !
  !
!
lpts|Local packet transport services|k||
  pifib|Pre-IFIB|k||
    hardware|Hardware settings|k||
      police|Police settings|k||
        <cr>||||@(config-pifib-policer)# lpts_police.cfm
        !

      !
    !
  !
!
// ---- m ----
mac|MAC configuration|k||
  address-table|MAC address table configuration|k||
    aging-time|Set MAC address table entry maximum age|k/o/n||
      <0-1000000>|Aging time in seconds|||
        <cr>||||
        !
        vlan|VLAN keyword|||
          <1-4094>|VLAN id|||
            <cr>||||
            !
          !
        !
      !
    !
    static|Static MAC address|k||
      line|address, vlan and interface|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
    notification|MAC address table notifications|k||
      line|settings|lb/le/wa/k/n||
        <cr>||||
        !
      !
    !
  !
!
management-access|Management access interface|k/o/n||
  word|Interface name|||
    <cr>||||
    !
  !
!
map-class|Configure static map class|k||
  dialer|Dialer map class|k||
    word|Static map class name|k/n||
      <cr>||||@(config-map-class)# map_class_dialer.cfm
      !
    !
  !
!
media-termination|Media termination|k||
  word|Media termination name|k/n||
    <cr>||||@(config-media-termination)# media_termination.cfm
    !
  !
!
memory|Configure memory management|k||
  free|Free memory|k||
    low-watermark|Low watermark|k||
      #|pool|k/o/n||
        processor|Processor memory||
        io|IO memory||
      #|||
        <1-2147483647>|Low watermark in kilobytes|||
          <cr>||||
          !
        !
      !
    !
  !
  reserve|Reserve memory|k||
    critical|Reserve memory for critical operations|k/o/n||
      <1-2147483647>|Memory in kilobytes|||
        <cr>||||
        !
      !
    !
  !
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
mirror|Mirroring|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
mls|Multilayer switching|k||
  qos|Enable QoS globally|k/o/sb||
    <cr>||||
    !
  !
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
mmi|Modular management interface|k||
  polling-interval|Polling interval|k/o/n||
    <1-65535>|Seconds|||
      <cr>||||
      !
    !
  !
  snmp-timeout|SNMP timeout|k/o/n||
    <1-65535>|Seconds|||
      <cr>||||
      !
    !
  !
  auto-configure|Automatic configuration|k/sn||
    <cr>||||
    !
  !
  pvc|Management PVC|k/sn||
    <cr>||||
    !
    line|vpi/vci|lb/le/wa||
      <cr>||||
      !
    !
  !
!
module|Module configuration|k||
  provision|Provision a module|k||
    switch|Switch|k||
      <1-9>|Switch number|k/n||
        <cr>||||@(config-provision)# module_provision.cfm
        !
      !
    !
  !
!
monitor|Monitoring|k||
  session|SPAN session|k||
    line|session and settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
monitor-interface|Monitor interface (failover)|k||
  word|Interface name|k/sn||
    <cr>||||
    !
  !
!
mpls|Multi-Protocol Label Switching|k||
  line|settings|lb/le/wa/k/n/sb||
    <cr>||||
    !
  !
!
multilink|PPP multilink global configuration|k||
  bundle-name|Select method for naming multilink bundles|k/o/n||
    #|method|||
      authenticated|Use peer's authenticated name||
      endpoint|Use peer's endpoint discriminator||
      both|Use peer's authenticated name and endpoint discriminator||
    #|||
      <cr>||||

      !
    !
  !
!
// ---- n, o ----
name|Name an address|k||
  a.b.c.d|IP address|k/n||
    word|Name|||
      <cr>||||
      !
    !
  !
!
netconf|Configure NETCONF|k||
  ssh|NETCONF over SSH|k||
    <cr>||||
    !
    line|settings|lb/le/wa||
      <cr>||||
      !
    !
  !
!
netconf-yang|Configure NETCONF over YANG|k||
  <cr>||||
  !
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
nv|Network virtualization|k||
  <cr>||||@(config-nv)# nv.cfm
  !
!
ntp|Configure NTP|k||
  server|Configure NTP server|k||
    vrf|VPN Routing/Forwarding Information|||
      word|VPN Routing/Forwarding instance name|k||
        hostname or a.b.c.d|IP address of peer|k/o/n||&ntp_peer_opt.cfm
        !
      !
    !
    ip|Use IP for DNS resolution|||
      hostname or a.b.c.d|IP address of peer|k/o/n||&ntp_peer_opt.cfm
      !
    !
    hostname or a.b.c.d|IP address of peer|k/o/n||&ntp_peer_opt.cfm
    !
  !
  peer|Configure NTP peer|k||
    vrf|VPN Routing/Forwarding Information|||
      word|VPN Routing/Forwarding instance name|k||
        hostname or a.b.c.d|IP address of peer|k/o/n||&ntp_peer_opt.cfm
        !
      !
    !
    hostname or a.b.c.d|IP address of peer|k/o/n||&ntp_peer_opt.cfm
    !
  !
  source|Configure interface for source address|k||
    &interfacefile.cfm|Interface type|k||
      <slot/port>|interface number|k/o/n||
        <cr>||||
        !
      !
    !
  !
  authenticate|Authenticate time sources|k||
    <cr>||||
    !
  !
  authentication-key|Authentication key for trusted time sources|k||
    <1-4294967295>|Key number|k/o/n||
      md5|MD5 authentication|||
        word|Authentication key|||
          <cr>||||
          !
          <0-7>|Authentication key encryption type|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  trusted-key|Key numbers for trusted time sources|k||
    <1-4294967295>|Key number|k/n||
      <cr>||||
      !
      -|Specify a range of key numbers|||
        <1-4294967295>|Last key number|||
          <cr>||||
          !
        !
      !
    !
  !
  logging|Enable NTP message logging|k||
    <cr>||||
    !
  !
  master|Act as NTP master clock|k/o/n||
    <cr>||||
    !
    <1-15>|Stratum number|||
      <cr>||||
      !
    !
  !
  update-calendar|Periodically update calendar with NTP time|k||
    <cr>||||
    !
  !
  access-group|Control NTP access|k||
    #|access type|k||
      peer|Provide full access||
      query-only|Allow only control queries||
      serve|Provide server and query access||
      serve-only|Provide only server access||
    #|||
      word|Access list name or number|o/n||
        <cr>||||
        !
      !
    !
  !
!
object|Network object|k||
  network|Network object|k||
    word|Object name|k/n||
      <cr>||||@(config-network-object)# object_network.cfm
      !
    !
  !
!
object-group|Create an object group|k||
  network|network group|k||
    word|object group name|k/n||
      <cr>||||@(config-network-group)# object_group_network.cfm
      !
    !
  !
  service|service group|k||
    word|object group name|k/n||
      <cr>||||@(config-service-group)# object_group_service.cfm
      !
    !
  !
  ip|IP address group|k||
    address|Address group|k||
      word|object group name|k/n||
        <cr>||||@(config-ip-address-group)# object_group_ip.cfm
        !
      !
    !
  !
!
onep|ONE Platform Kit|k/sn||
  <cr>||||
  !

!
// ---- p ----
password-policy|Password policy|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
phone-proxy|Phone proxy|k||
  word|Phone proxy name|k/n||
    <cr>||||@(config-phone-proxy)# phone_proxy.cfm
    !
  !
!
platform|Platform specific configuration|k||
  line|settings|lb/le/wa/k/n/sb/o||
    <cr>||||
    !
  !
!
poap|Power on auto provisioning|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
pool|Address pool|k||
  line|pool settings|lb/le/wa/k/n||
    <cr>||||@(config-pool)# address_pool.cfm
    !
  !
!
port-profile|Port profile|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
power-mgr|Power manager|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
prefix-list|Prefix list (firewall style)|k||
  word|Prefix list name|k/n||
    line|sequence, action and prefix|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
process-max-time|Maximum time for process to run before voluntarily relinquishing processor|k/o/n||
  <20-200>|The number of millisecs before voluntary suspend|||
    <cr>||||
    !
  !
!
pseudowire-class|Pseudowire-class configuration|k||
  word|Pseudowire-class name|k/n||
    <cr>||||@(config-pw-class)# pseudowire_class.cfm
    !

  !
!
// ---- q, r ----
qos-mapping|QoS mapping|k||
  <cr>||||@(config-qos-mapping)# qos_mapping.cfm
  !
!
radius|RADIUS server configuration|k||
  server|Server configuration|k||
    word|Name for the radius server configuration|k/n||
      <cr>||||@(config-radius-server)# aaa_server.cfm
      !
    !
  !
!
radius-server|Modify RADIUS query parameters|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
redundancy|Enter redundancy mode|k||
  <cr>||||@(config-red)# redundancy.cfm
  !
!
restconf|Enable RESTCONF|k||
  <cr>||||
  !
!
route-map|Create route-map or enter route-map command mode|k||
  word|Route map tag|k||
    #|action|||
      permit|Route map permits set operations||
      deny|Route map denies set operations||
    #|||
      <cr>||||@(config-route-map)# route_map.cfm
      !
      <0-65535>|Sequence to insert to/delete from existing route-map entry|k/n||
        <cr>||||@(config-route-map)# route_map.cfm
        !
      !
    !
    <0-65535>|Sequence to insert to/delete from existing route-map entry|k/n||
      <cr>||||@(config-route-map)# route_map.cfm
      !
    !
    <cr>||||@(config-route-map)# route_map.cfm
    !
  !
!
router|Enable a routing process|k||
  ospf|Open Shortest Path First (OSPF)|k||
    <1-65535>|Process ID|k/n||
      <cr>||||@(config-router)# router_ospf.cfm
      !
      vrf|VPN Routing/Forwarding Instance|||
        word|VPN Routing/Forwarding Instance (VRF) name|k/n||
          <cr>||||@(config-router)# router_ospf.cfm
          !
        !
      !
    !
  !
  ospfv3|OSPFv3|k||
    <1-65535>|Process ID|k/n||
      <cr>||||@(config-router)# router_ospf.cfm
      !
    !
  !
  eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
    <1-65535>|Autonomous System|k/n||
      <cr>||||@(config-router)# router_eigrp.cfm
      !
    !
    word|EIGRP Virtual-Instance Name|k/n||
      <cr>||||@(config-router)# router_eigrp.cfm
      !
    !
  !
  rip|Routing Information Protocol (RIP)|k||
    <cr>||||@(config-router)# router_rip.cfm
    !
  !
  bgp|Border Gateway Protocol (BGP)|k||
    <1-4294967295>|Autonomous system number|k/n||
      <cr>||||&bgp_common.cfm @(config-router)# router_bgp.cfm
      !
    !
  !
  isis|ISO IS-IS|k||
    <cr>||||@(config-router)# router_isis.cfm
    !
    word|ISO routing area tag|k/n||
      <cr>||||@(config-router)# router_isis.cfm
      !
    !
  !
!
rp|Route processor|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
rx-cos-slot|Receive CoS slot|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !

  !
!
// ---- s ----
sap|SAP settings|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
schedule|Scheduler settings|k||
  line|settings|lb/le/wa/k/n/sn||
    <cr>||||
    !
  !
!
scheduler|Scheduler parameters|k||
  line|settings|lb/le/wa/k/n/sn||
    <cr>||||
    !
  !
!
sdm|Switch database management|k||
  prefer|Configure SDM template|k/o/n||
    line|template|lb/le/wa||
      <cr>||||
      !
    !
  !
!
security|Infra security class|k||
  passwords|Passwords|k||
    min-length|Minimum length of passwords|k/o/n||
      <0-16>|Minimum length|||
        <cr>||||
        !
      !
    !
  !
!
sensor|Sensor settings|k||
  line|settings|lb/le/wa/k/o/n||
    <cr>||||
    !
  !
!
service|Modify use of network based services|k||
  password-encryption|Encrypt system passwords|k/o/sb||
    <cr>||||
    !
  !
  timestamps|Timestamp debug/log messages|k||
    #|message type|k/o/n||
      debug|Timestamp debug messages||
      log|Timestamp log messages||
    #|||
      <cr>||||
      !
      datetime|Timestamp with date and time|||
        <cr>||||
        !
        #|timestamp option|lb/le/wa||
          localtime|Use local time zone for timestamps||
          msec|Include milliseconds in timestamp||
          show-timezone|Add time zone information to timestamp||
          year|Include year in timestamp||
        #|||
          <cr>||||
          !
        !
      !
      uptime|Timestamp with system uptime|||
        <cr>||||
        !
      !
    !
  !
  pad|Enable PAD commands|k/sn||
    <cr>||||
    !
  !
  dhcp|Enable DHCP server and relay agent|k/sn||
    <cr>||||
    !
  !
  config|TFTP load config files|k||
    <cr>||||
    !
  !
  tcp-keepalives-in|Generate keepalives on idle incoming network connections|k||
    <cr>||||
    !
  !
  tcp-keepalives-out|Generate keepalives on idle outgoing network connections|k||
    <cr>||||
    !
  !
  tcp-small-servers|Enable small TCP servers|k||
    <cr>||||
    !
  !
  udp-small-servers|Enable small UDP servers|k||
    <cr>||||
    !
  !
  finger|Enable finger server|k||
    <cr>||||
    !
  !
  sequence-numbers|Stamp logger messages with a sequence number|k||
    <cr>||||
    !
  !
  call-home|Enable call-home service|k||
    <cr>||||
    !
  !
  compress-config|Compress the configuration file|k||
    <cr>||||
    !
  !
  internal|Enable internal commands|k||
    <cr>||||
    !
  !
  nagle|Enable Nagle's congestion control algorithm|k||
    <cr>||||
    !
  !
  slave-log|Enable log capability of slave IPs|k/sn||
    <cr>||||
    !
  !
  unsupported-transceiver|Enable unsupported transceivers|k||
    <cr>||||
    !
  !
  counters|Service counters|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
service-policy|Service policy|k||
  word|Policy map name|k||
    global|Apply globally|k/n||
      <cr>||||
      !
    !
    interface|Apply to an interface|||
      word|Interface name|k/n||
        <cr>||||
        !
      !
    !
  !
!
service-template|Service template|k||
  word|Service template name|k/n||
    <cr>||||@(config-service-template)# service_template.cfm
    !
  !
!
slot-table-cos|Slot table CoS|k||
  word|Name|k/n||
    <cr>||||@(config-slot-cos)# slot_table_cos.cfm
    !
  !
!
snmp|SNMP management|k||
  mib|MIB settings|k||
    expression|Expression MIB|k||
      line|owner and name|lb/le/wa/k/n||
        <cr>||||@(config-expression)# snmp_mib_expression.cfm
        !
      !
    !
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  ifmib|Interface MIB settings|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
snmp-server|Modify SNMP engine parameters|k||
  community|Enable SNMP; set community string and access privs|k||
    word|SNMP community string|k/o/n||
      <cr>||||
      !
      view|Restrict this community to a named MIB view|||
        word|MIB view to which this community has access|||
          <cr>||||
          !
          &snmp_access.cfm|Access|||
            <cr>||||
            !
            <1-99>|Std IP accesslist allowing access with this community string|||
              <cr>||||
              !
            !
          !
        !
      !
      // No free-text sibling here: "RO" and "RW" are typed in upper case and
      // a free-text word would take them before the lowered retry.
      &snmp_access.cfm|Access|||
        <cr>||||
        !
        <1-99>|Std IP accesslist allowing access with this community string|||
          <cr>||||
          !
        !
      !
      <1-99>|Std IP accesslist allowing access with this community string|||
        <cr>||||
        !
      !
    !
  !
  contact|Text for mib object sysContact|k/o/n||
    line|identification of the contact person for this managed node|lb/le/wa||
      <cr>||||
      !
    !
  !
  location|Text for mib object sysLocation|k/o/n||
    line|The physical location of this node|lb/le/wa||
      <cr>||||
      !
    !
  !
  chassis-id|String to uniquely identify this chassis|k/o/n||
    line|Unique ID string|lb/le/wa||
      <cr>||||
      !
    !
  !
  trap-source|Assign an interface for the source address of all traps|k||
    &interfacefile.cfm|Interface type|k||
      <slot/port>|interface number|k/o/n||
        <cr>||||
        !
      !
    !
  !
  source-interface|Assign an source interface|k||
    #|message type|k||
      informs|SNMP Inform notifications||
      traps|SNMP Trap notifications||
    #|||
      &interfacefile.cfm|Interface type|k||
        <slot/port>|interface number|o/n||
          <cr>||||
          !
        !
      !
    !
  !
  enable|Enable SNMP Traps or Informs|k||
    traps|Enable SNMP Traps|k/n||
      <cr>||||
      !
      &snmptraps.cfm|trap type|k/n||
        <cr>||||
        !
        line|notification kinds|lb/le/wa/k/n||
          <cr>||||
          !
        !
      !
    !
    informs|Enable SNMP Informs|k/n||
      <cr>||||
      !
    !
  !
  host|Specify hosts to receive SNMP notifications|k||
    hostname or a.b.c.d|IP address of SNMP notification host|k/o/n||
      line|vrf, informs or traps, version, community and notification types|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  group|Define a User Security Model group|k||
    word|Name of the group|k||
      #|security model|k/o/n||
        v1|group using the v1 security model||
        v2c|group using the v2c security model||
        v3|group using the User Security Model (SNMPv3)||
      #|||
        line|security level, views and access list|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  user|Define a user who can access the SNMP engine|k||
    word|Name of the user|k||
      word|Group to which the user belongs|o/n||
        line|security model and keys|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  view|Define an SNMPv2 MIB view|k||
    word|Name of the view|k||
      word|MIB view family name or OID|k/o/n||
        #|inclusion|||
          included|MIB family is included in the view||
          excluded|MIB family is excluded from the view||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
  ifindex|Enable ifindex persistence|k||
    persist|Persistence|k||
      <cr>||||
      !
    !
  !
  engineid|Configure a local or remote SNMPv3 engineID|k||
    line|engine id|lb/le/wa/k/o/n||
      <cr>||||
      !
    !
  !
  system-shutdown|Enable use of the SNMP reload command|k||
    <cr>||||
    !
  !
  packetsize|Largest SNMP packet size|k/o/n||
    <484-17892>|Packet size|||
      <cr>||||
      !
    !
  !
  queue-length|Message queue length for each TRAP host|k/o/n||
    <1-5000>|Queue length|||
      <cr>||||
      !
    !
  !
  trap|SNMP trap options|k||
    line|options|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  manager|Modify SNMP manager parameters|k||
    <cr>||||
    !
  !
  file-transfer|File transfer settings|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
sntp|Simple Network Time Protocol|k||
  server|Configure SNTP server|k||
    hostname or a.b.c.d|Server address|k/n||
      <cr>||||
      !
    !
  !
!
software|Software settings|k||
  auto-upgrade|Automatic software upgrade|k/o/n||
    line|setting|lb/le/wa||
      <cr>||||
      !
    !
  !
!
spanning-tree|Spanning Tree Subsystem|k||
  mode|Spanning tree operating mode|k/o/n||
    #|mode|||
      mst|Multiple spanning tree mode||
      pvst|Per-Vlan spanning tree mode||
      rapid-pvst|Per-Vlan rapid spanning tree mode||
    #|||
      <cr>||||
      !
    !
  !
  extend|Spanning Tree 802.1t extensions|k||
    system-id|Extend system-id into priority portion of the bridge id|k/o/sb||
      <cr>||||
      !
    !
  !
  logging|Enable Spanning tree logging|k||
    <cr>||||
    !
  !
  portfast|Spanning tree portfast options|k||
    #|default option|k||
      bpduguard|Enable portfast bpdu guard by default||
      bpdufilter|Enable portfast bpdu filter by default||
      default|Enable portfast by default on all access ports||
      edge|Enable portfast edge by default||
    #|||
      <cr>||||
      !
      default|Enable by default on all portfast ports|||
        <cr>||||
        !
      !
    !
  !
  vlan|VLAN Switch Spanning Tree|k||
    word|vlan range, example: 1,3-5,7,9-11|k||
      #|parameter|k/o/n||
        priority|Set the bridge priority for the spanning tree||
        hello-time|Set the hello interval for the spanning tree||
        forward-time|Set the forward delay for the spanning tree||
        max-age|Set the max age interval for the spanning tree||
        root|Configure switch as root||
      #|||
        <cr>||||
        !
        line|value|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
  !
  loopguard|Spanning tree loopguard options|k||
    default|Enable loopguard by default on all ports|k||
      <cr>||||
      !
    !
  !
  etherchannel|Spanning tree etherchannel specific configuration|k||
    line|settings|lb/le/wa/k/n/sn||
      <cr>||||
      !
    !
  !
  mst|Multiple spanning tree configuration|k||
    configuration|Enter MST configuration submode|k||
      <cr>||||@(config-mst)# spanning_tree_mst.cfm
      !
    !
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
  pathcost|Spanning tree pathcost options|k||
    method|Method to calculate default port path cost|k/o/n||
      #|method|||
        long|32 bit based values for default port path costs||
        short|16 bit based values for default port path costs||
      #|||
        <cr>||||
        !
      !
    !
  !
  uplinkfast|Enable UplinkFast Feature|k||
    <cr>||||
    !
  !
  backbonefast|Enable BackboneFast Feature|k||
    <cr>||||
    !
  !
!
subscriber|Subscriber configuration|k||
  templating|Enable subscriber templating|k||
    <cr>||||
    !
  !
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
switch|Switch stack configuration|k||
  <1-9>|Switch number|k||
    provision|Provision a switch|k/o/n||
      word|Switch type|||
        <cr>||||
        !
      !
    !
    priority|Switch priority|k/o/n||
      <1-15>|Priority|||
        <cr>||||
        !
      !
    !
  !
  virtual|Virtual switch|k||
    domain|Virtual switch domain|k||
      <1-255>|Domain number|k/n||
        <cr>||||@(config-vs-domain)# switch_virtual_domain.cfm
        !
      !
    !
  !
!
switchport|Set switching mode characteristics|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !

  !
!
// ---- t ----
table-map|Table map|k||
  word|Table map name|k/n||
    <cr>||||@(config-tablemap)# table_map.cfm
    !
  !
!
tacacs|TACACS server configuration|k||
  server|Server configuration|k||
    word|Name for the tacacs server configuration|k/n||
      <cr>||||@(config-server-tacacs)# aaa_server.cfm
      !
    !
  !
!
tacacs-server|Modify TACACS query parameters|k||
  host|Specify a TACACS server|k||
    hostname or a.b.c.d|IP address of TACACS server|k/o/n||
      <cr>||||
      !
      line|port, timeout, key and single-connection|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  key|Set TACACS+ encryption key|k/o/n||
    line|encryption type and key|lb/le/wa||
      <cr>||||
      !
    !
  !
  timeout|Time to wait for a TACACS server to reply|k/o/n||
    <1-1000>|Wait time (default 5 seconds)|||
      <cr>||||
      !
    !
  !
  directed-request|Allow user to specify tacacs server to use with '@server'|k||
    <cr>||||
    !
  !
!
tap|TAP aggregation|k||
  aggregation|TAP aggregation mode|k||
    <cr>||||@(config-tap)# tap_aggregation.cfm
    !
  !
!
tftp-server|Provide TFTP service for netload requests|k||
  line|file name and access list|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
time-range|Define time range entries|k||
  word|Time range name|k/n||
    <cr>||||@(config-time-range)# time_range.cfm
    !
  !
!
timeout|Connection timeouts (firewall)|k/n||
  line|timeout name and value|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
tls-proxy|TLS proxy|k||
  word|TLS proxy name|k/n||
    <cr>||||@(config-tlsp)# tls_proxy.cfm
    !
  !
!
track|Object tracking configuration commands|k||
  <1-1000>|Tracked object|k/n||
    ip|IP protocol|||
      sla|IP Service Level Agreement|||
        <1-2147483647>|Entry number|o/n||
          <cr>||||@(config-track)# track.cfm
          !
          #|state|||
            reachability|Reachability||
            state|Return code state||
          #|||
            <cr>||||@(config-track)# track.cfm
            !
          !
        !
      !
      route|IP route|||
        line|route and state|lb/le/wa/o/n||
          <cr>||||@(config-track)# track.cfm
          !
        !
      !
    !
    interface|Select an interface to track|||
      &interfacefile.cfm|Interface type|k||
        <slot/port>|interface number|o/n||
          #|state|||
            line-protocol|Track interface line-protocol||
            ip|Track interface IP routing capability||
          #|||
            <cr>||||@(config-track)# track.cfm
            !
          !
          routing|IP routing|||
            <cr>||||@(config-track)# track.cfm
            !
          !
        !
      !
    !
  !
!
transceiver|Transceiver settings|k||
  type|Transceiver type|k||
    all|All transceivers|k||
      <cr>||||@(config-xcvr-type)# transceiver_type.cfm
      !
    !
  !
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
tunnel-group|Tunnel group (firewall)|k||
  a.b.c.d|Peer address|k||
    #|attribute set|k/n||
      ipsec-attributes|IPsec attributes||
      general-attributes|General attributes||
      type|Tunnel group type||
    #|||
      <cr>||||@(config-tunnel-ipsec)# tunnel_group.cfm

      !
    !
  !
!
// ---- u, v ----
username|Establish User Name Authentication|k||
  word|User name|k/o/n||&username_opt.cfm
  !
!
virtual-service|Virtual service|k||
  <cr>||||@(config-virt-serv-global)# virtual_service.cfm
  !
  word|Virtual service name|k/n||
    <cr>||||@(config-virt-serv)# virtual_service.cfm
    !
  !
!
vlan|VLAN commands|k||
  word|ISL VLAN IDs 1-4094 (a list such as 1,3-5)|k/n||
    <cr>||||@(config-vlan)# vlan.cfm
    !
  !
  ifdescr|VLAN interface description|k||
    detail|Detailed description|k/sb/o||
      <cr>||||
      !
    !
  !
  internal|Internal VLAN settings|k||
    line|settings|lb/le/wa/k/n||
      <cr>||||
      !
    !
  !
!
vpc|Virtual port channel|k||
  domain|Domain|k||
    <1-1000>|Domain id|k/n||
      <cr>||||@(config-vpc-domain)# vpc_domain.cfm
      !
    !
  !
!
vrf|VRF commands|k||
  definition|VRF definition|k||
    word|VRF name|k/n||
      <cr>||||@(config-vrf)# vrf_definition.cfm
      !
    !
  !
!
vstack|Smart install|k/sn||
  <cr>||||
  !
!
vtp|Configure global VTP state|k||
  domain|Set the name of the VTP administrative domain|k/o/n||
    word|The ascii name for the VTP administrative domain|||
      <cr>||||
      !
    !
  !
  mode|Configure VTP device mode|k/o/n||
    #|mode|||
      client|Set the device to client mode||
      off|Set the device to off mode||
      server|Set the device to server mode||
      transparent|Set the device to transparent mode||
    #|||
      <cr>||||
      !
    !
  !
  version|Set the administrative domain to VTP version|k/o/n||
    <1-3>|Set the administrative domain VTP version number|||
      <cr>||||
      !
    !
  !
  password|Set the password for the VTP administrative domain|k/o/n||
    word|The ascii password for the VTP administrative domain|||
      <cr>||||
      !

    !
  !
!
// ---- w, x, z ----
wlan|Wireless LAN|k||
  word|WLAN profile name|k/n||
    <1-4096>|WLAN id|||
      word|SSID|||
        <cr>||||@(config-wlan)# wlan.cfm
        !
      !
    !
  !
!
wrr|Weighted round robin|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
wrr-queue|Weighted round robin queue|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
xconnect|Cross connect|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
xdr|External data representation|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
xml|XML settings|k||
  line|settings|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
zone|Zone definitions|k||
  security|Security zone|k||
    word|Name of the security zone|k/n||
      <cr>||||@(config-sec-zone)# security_zone.cfm
      !
    !
  !
!
zone-pair|Zone pair command|k||
  security|Zone-pair security|k||
    word|Name of the zone-pair|k/n||
      source|Source zone|||
        word|Source zone name|||
          destination|Destination zone|||
            word|Destination zone name|||
              <cr>||||@(config-sec-zone-pair)# zone_pair.cfm
              !

            !
          !
        !
      !
    !
  !
!
// ---- QoS and inspection: class maps and policy maps ----
class-map|Configure CPL Class Map|k||
  #|match criteria|k||
    match-all|Logical-AND all matching statements under this classmap||
    match-any|Logical-OR all matching statements under this classmap||
    match-none|Logical-NOR all matching statements under this classmap||
  #|||
    word|class-map name|k/n||
      <cr>||||@(config-cmap)# class_map.cfm
      !
    !
  !
  word|class-map name|k/n||
    <cr>||||@(config-cmap)# class_map.cfm
    !
  !
  type|Configure CPL Class Map of a given type|k||
    #|class-map type|k||
      inspect|Configure Class Map for inspection||
      network-qos|Configure Class Map for network QoS||
      pbr|Configure Class Map for policy based routing||
      queuing|Configure Class Map for queuing||
      stack|Configure Class Map for stacked classification||
      appnav|Configure Class Map for AppNav||
    #|||
      word|class-map name|k/n||
        <cr>||||@(config-cmap)# class_map.cfm
        !
      !
      #|match criteria|k||
        match-all|Logical-AND all matching statements under this classmap||
        match-any|Logical-OR all matching statements under this classmap||
        match-none|Logical-NOR all matching statements under this classmap||
      #|||
        word|class-map name|k/n||
          <cr>||||@(config-cmap)# class_map.cfm
          !
        !
      !
      #|protocol|k||
        dns|Domain name service||
        http|Hypertext transfer protocol||
        imap|Internet message access protocol||
        pop3|Post office protocol||
        smtp|Simple mail transfer protocol||
        sip|Session initiation protocol||
      #|||
        #|match criteria|k||
          match-all|Logical-AND all matching statements under this classmap||
          match-any|Logical-OR all matching statements under this classmap||
        #|||
          word|class-map name|k/n||
            <cr>||||@(config-cmap)# class_map.cfm
            !
          !
        !
        word|class-map name|k/n||
          <cr>||||@(config-cmap)# class_map.cfm
          !
        !
      !
    !
    control|Configure a control class map|k||
      subscriber|Subscriber control|k||
        #|match criteria|k||
          match-all|Logical-AND all matching statements under this classmap||
          match-any|Logical-OR all matching statements under this classmap||
          match-none|Logical-NOR all matching statements under this classmap||
        #|||
          word|class-map name|k/n||
            <cr>||||@(config-filter-control-classmap)# class_map.cfm
            !
          !
        !
      !
    !
  !
!
policy-map|Configure QoS Policy Map|k||
  word|policy-map name|k/n||
    <cr>||||@(config-pmap)# policy_map.cfm
    !
  !
  type|Configure QoS Policy Map of a given type|k||
    #|policy-map type|k||
      inspect|Configure an inspection policy map||
      network-qos|Configure a network QoS policy map||
      pbr|Configure a policy based routing policy map||
      queuing|Configure a queuing policy map||
      queueing|Configure a queueing policy map||
      control-plane|Configure a control plane policy map||
      service|Configure a service policy map||
    #|||
      word|policy-map name|k/n||
        <cr>||||@(config-pmap)# policy_map.cfm
        !
      !
      #|protocol|k||
        dns|Domain name service||
        http|Hypertext transfer protocol||
        imap|Internet message access protocol||
        pop3|Post office protocol||
        smtp|Simple mail transfer protocol||
        sip|Session initiation protocol||
      #|||
        word|policy-map name|k/n||
          <cr>||||@(config-pmap)# policy_map.cfm
          !
        !
      !
    !
    control|Configure a control policy map|k||
      subscriber|Subscriber control|k||
        word|policy-map name|k/n||
          <cr>||||@(config-event-control-policymap)# policy_map_control.cfm
          !

        !
      !
    !
  !
!
// ---- interfaces ----
interface|Select an interface to configure|k||
  &interfacefile.cfm|Interface type|k||
    <slot/port>|interface number|k/n||
      <cr>||||@(config-if)# interface.cfm
      !
      point-to-point|Treat as a point-to-point link|||
        <cr>||||@(config-subif)# interface.cfm
        !
      !
      multipoint|Treat as a multipoint link|||
        <cr>||||@(config-subif)# interface.cfm
        !
      !
    !
  !
  range|interface range command|k||
    line|interface range|lb/le/wa/k/n||
      <cr>||||@(config-if-range)# interface.cfm
      !
    !
  !
!
