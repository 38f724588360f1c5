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
      word|Named authentication list or "default"|k/o/n||&aaa_methods1.cfm
      !
      privilege-mode|Set authentication list for privilege mode|k/o/sb||
        <cr>||||
        !
      !
    !
    enable|Set authentication list for enable|k||
      default|The default authentication list|k/o/n||&aaa_methods1.cfm
      !
    !
    dot1x|Set authentication lists for IEEE 802.1x|k||
      word|Named authentication list or "default"|k/o/n||&aaa_methods1.cfm
      !
    !
    ppp|Set authentication lists for ppp|k||
      word|Named authentication list or "default"|k/o/n||&aaa_methods1.cfm
      !
    !
    attempts|Set the maximum number of authentication attempts|k||
      login|Set the maximum number of login attempts|k/o/n||
        <1-25>|Number of attempts|||
          <cr>||||
          !
        !
      !
    !
    password-prompt|Text to use when prompting for a password|k/o/n||
      line|Text string|lb/le/wa||
        <cr>||||
        !
      !
    !
    username-prompt|Text to use when prompting for a username|k/o/n||
      line|Text string|lb/le/wa||
        <cr>||||
        !
      !
    !
    banner|Message to use when starting login/authentication|k/o/n||
      line|c banner-text c, where 'c' is a delimiting character|lb/le/wa||
        <cr>||||
        !
      !
    !
    fail-message|Message to use for failed login/authentication|k/o/n||
      line|c banner-text c, where 'c' is a delimiting character|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  authorization|Authorization configurations parameters|k||
    commands|For exec (shell) commands|k||
      <0-15>|Enable level|k||
        word|Named authorization list or "default"|k/o/n||&aaa_methods1.cfm
        !
      !
    !
    #|service|k||
      exec|For starting an exec (shell)||
      network|For network services (PPP, SLIP, ARAP)||
      auth-proxy|For Authentication Proxy Services||
      reverse-access|For reverse access connections||
      configuration|For downloading configurations from AAA server||
      credential-download|For downloading EAP credential from Local/RADIUS/LDAP||
    #|||
      word|Named authorization list or "default"|k/o/n||&aaa_methods1.cfm
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
        word|Named accounting list or "default"|k/o/n||&aaa_acct_methods.cfm
          <cr>||||@(cfg-acct-mlist)# aaa_accounting.cfm
          !
        !
      !
    !
    #|service|k||
      exec|For starting an exec (shell)||
      network|For network services (PPP, SLIP, ARAP)||
      connection|For outbound connections (telnet, rlogin)||
      auth-proxy|For authentication proxy events||
      identity|For 802.1x and MAB authentications||
      dot1x|For dot1x sessions||
    #|||
      word|Named accounting list or "default"|k/o/n||&aaa_acct_methods.cfm
        <cr>||||@(cfg-acct-mlist)# aaa_accounting.cfm
        !
      !
    !
    system|For system events|k||
      guarantee-first|Guarantee system accounting as first record|k/sb/o||
        <cr>||||
        !
      !
      default|The default accounting list|k/o/n||&aaa_acct_methods.cfm
        <cr>||||
        !
      !
    !
    update|Enable accounting update records|k/o/n||
      #|update|||
        newinfo|Only send accounting update records when we have new acct-info||
        periodic|Send accounting update records at regular intervals||
      #|||
        <cr>||||
        !
        <1-71582>|Periodic intervals to send accounting update records (minutes)|||
          <cr>||||
          !
        !
      !
      newinfo|Only send accounting update records when we have new acct-info|||
        periodic|Send accounting update records at regular intervals|||
          <1-71582>|Periodic intervals (minutes)|||
            <cr>||||
            !
          !
        !
      !
    !
    send|Send records to accounting server|k||
      stop-record|Send stop-record|k||
        authentication|Authentication|k||
          failure|Failure|k/o/sb||
            <cr>||||
            !
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
  local|AAA local method options|k||
    authentication|Options for local authentication|k||
      attempts|Set the maximum number of unsuccessful authentication attempts|k||
        max-fail|Maximum number of unsuccessful attempts|k/o/n||
          <1-65535>|Number of unsuccessful attempts|||
            <cr>||||
            !
          !
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
  dot11|802.11 radio settings of the joined access points|k||
    24ghz|2.4 GHz band|k||
      rrm|Radio resource management|k||
        channel|Channel assignment|k||
          dca|Dynamic channel assignment|k||
            // A channel of the DCA list: each is its own line.
            <1-14>|Channel number|k/n||
              <cr>||||
              !
            !
            anchor-time|Hour the DCA algorithm starts|k/o/n||
              <0-23>|Hour of the day|||
                <cr>||||
                !
              !
            !
            interval|How often DCA may run|k/o/n||
              #|interval in hours (0 is 10 minutes)|||
                0|10 minutes||
                1|1 hour||
                2|2 hours||
                3|3 hours||
                4|4 hours||
                6|6 hours||
                8|8 hours||
                12|12 hours||
                24|24 hours||
              #|||
                <cr>||||
                !
              !
            !
            sensitivity|Sensitivity of DCA to changes|k/o/n||
              #|sensitivity|||
                high|High sensitivity||
                low|Low sensitivity||
                medium|Medium sensitivity||
              #|||
                <cr>||||
                !
              !
            !
            global|Global DCA mode|k/o/n||
              #|mode|||
                auto|Run DCA automatically||
                once|Run DCA once||
              #|||
                <cr>||||
                !
              !
            !
          !
        !
      !
    !
    5ghz|5 GHz band|k||
      rrm|Radio resource management|k||
        channel|Channel assignment|k||
          dca|Dynamic channel assignment|k||
            // A channel of the DCA list: each is its own line.
            <34-173>|Channel number|k/n||
              <cr>||||
              !
            !
            anchor-time|Hour the DCA algorithm starts|k/o/n||
              <0-23>|Hour of the day|||
                <cr>||||
                !
              !
            !
            interval|How often DCA may run|k/o/n||
              #|interval in hours (0 is 10 minutes)|||
                0|10 minutes||
                1|1 hour||
                2|2 hours||
                3|3 hours||
                4|4 hours||
                6|6 hours||
                8|8 hours||
                12|12 hours||
                24|24 hours||
              #|||
                <cr>||||
                !
              !
            !
            sensitivity|Sensitivity of DCA to changes|k/o/n||
              #|sensitivity|||
                high|High sensitivity||
                low|Low sensitivity||
                medium|Medium sensitivity||
              #|||
                <cr>||||
                !
              !
            !
            global|Global DCA mode|k/o/n||
              #|mode|||
                auto|Run DCA automatically||
                once|Run DCA once||
              #|||
                <cr>||||
                !
              !
            !
          !
        !
      !
    !
  !
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
  system|System image file|k||&boot_file.cfm
    switch|Switches of a stack|k||
      #|switch|k||&boot_file.cfm
        all|All switches||
        <1-9>|Switch number||
      #|||
      !
    !
  !
  host|Router-specific config file|k||
    word|URL of the file|k/o/n||
      <cr>||||
      !
      a.b.c.d|Address of the server|||
        <cr>||||
        !
      !
    !
    dhcp|Use the file named by DHCP|k/o/sb||
      <cr>||||
      !
    !
  !
  network|Network-wide config file|k||
    word|URL of the file|k/o/n||
      <cr>||||
      !
      a.b.c.d|Address of the server|||
        <cr>||||
        !
      !
    !
  !
  config|Configuration file|k/o/n||
    word|URL of the file|||
      <cr>||||
      !
      nvbypass|Do not write the configuration to NVRAM|||
        <cr>||||
        !
      !
    !
  !
  manual|Manual boot|k/o/sb||
    <cr>||||
    !
  !
  enable-break|Enable the break key during boot|k/o/sb||
    <cr>||||
    !
  !
  bootldr|Boot loader image|k/o/n||
    word|URL of the image|||
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
    all|All logs|||
      <cr>||||
      !
    !
  !
!
// PPPoE profiles: "bba-group pppoe NAME" or "global" (Broadband Access Aggregation
// and DSL command reference).
bba-group|Configure BBA Group|k||
  pppoe|PPPoE type profile|k||
    global|Global profile for all PPPoE ports without a profile of their own|k/n||
      <cr>||||@(config-bba-group)# bba_group.cfm
      !
    !
    word|BBA group name|k/n||
      <cr>||||@(config-bba-group)# bba_group.cfm
      !
    !
  !
!
bfd-template|BFD template configuration|k||
  #|hop|k||
    single-hop|Single hop template||
    multi-hop|Multi hop template||
  #|||
    word|Template name|k/n||
      <cr>||||@(config-bfd)# bfd_template.cfm
      !
    !
  !
!
bfd|BFD global settings|k||
  slow-timers|Slow timers for echo mode|k/o/n||
    <cr>||||
    !
    <1000-30000>|Milliseconds|||
      <cr>||||
      !
    !
  !
  map|BFD map|k||
    #|family|k||
      ipv4|IPv4||
      ipv6|IPv6||
    #|||
      word|Destination prefix|k||
        word|Source prefix|k||
          word|Template name|o/n||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
bridge-domain|Bridge-domain configuration|k||
  <1-16000>|Bridge-domain number|k/n||
    <cr>||||@(config-bdomain)# bridge_domain.cfm
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
      &utc_offset.cfm|Hours offset from UTC|||
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
      recurring|Configure recurring summer time|||&clock_recurring.cfm
        <cr>||||
        !
      !
      date|Configure absolute summer time|||
        <1-31>|Date to start|||
          &month.cfm|Month to start|||
            <1993-2035>|Year to start|||&clock_date_end.cfm
            !
          !
        !
        &month.cfm|Month to start|||
          <1-31>|Date to start|||
            <1993-2035>|Year to start|||&clock_date_end.cfm
            !
          !
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
  host|Control plane host sub-interface|k||
    <cr>||||@(config-cp-host)# control_plane_host.cfm
    !
  !
!
controller|Configure a T1 or E1 controller|k||
  #|controller type|k||
    t1|T1 controller||
    e1|E1 controller||
  #|||
    <slot/port>|Controller number|k/n||
      <cr>||||@(config-controller)# controller.cfm
      !
    !
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
cts|Cisco TrustSec|k||
  logging|CTS logging|k||
    verbose|Verbose CTS logging|k/o/sb||
      <cr>||||
      !
    !
  !
!
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
      #|encryption type|k||&isakmp_key_peer.cfm
        0|Specifies an UNENCRYPTED password will follow||
        6|Specifies an ENCRYPTED password will follow||
      #|||
      !
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
          esp-seal|ESP transform using SEAL cipher (160 bits)||
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
      pmtu-aging|Security association PMTU aging|k/o/n||
        <600-86400>|PMTU aging time in seconds|||
          <cr>||||
          !
        !
        infinite|Disable PMTU aging|||
          <cr>||||
          !
        !
      !
      replay|Set replay checking|k||
        window-size|Set replay window size|k/o/n||
          #|window size|||
            64|Window size of 64||
            128|Window size of 128||
            256|Window size of 256||
            512|Window size of 512||
            1024|Window size of 1024||
          #|||
            <cr>||||
            !
          !
        !
        disable|Disable replay checking|k/o/sb||
          <cr>||||
          !
        !
      !
      lifetime|Security association lifetime|k||
        seconds|Time-based key duration in seconds|k/o/n||
          <120-2592000>|Security association duration in seconds|||
            <cr>||||
            !
          !
        !
        kilobytes|Volume-based key duration|k/o/n||
          <2560-4294967295>|Security association duration in kilobytes encrypted|||
            <cr>||||
            !
          !
          disable|Disable volume-based rekey|||
            <cr>||||
            !
          !
        !
      !
      idle-time|Automatically delete IPSec SAs after a given idle period|k/o/n||
        <60-86400>|Idle time in seconds|||
          <cr>||||
          !
          default|Default the idle time to the lifetime|||
            <cr>||||
            !
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
          #|Transform|lb/le/wa||
            esp-3des|ESP transform using 3DES(EDE) cipher (168 bits)||
            esp-aes|ESP transform using AES cipher||
            esp-aes-192|ESP transform using AES-192 cipher||
            esp-aes-256|ESP transform using AES-256 cipher||
            esp-des|ESP transform using DES cipher (56 bits)||
            esp-md5-hmac|ESP transform using HMAC-MD5 auth||
            esp-none|ESP transform with no authentication||
            esp-null|ESP transform w/o cipher||
            esp-sha-hmac|ESP transform using HMAC-SHA auth||
          #|||
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
        set|Specify crypto map settings|k||&crypto_map_set.cfm
        !
      !
      interface|Bind the crypto map to an interface|k||
        word|Interface name|k/o/n||
          <cr>||||
          !
        !
      !
      redundancy|Redundancy settings|k||
        replay-interval|Replay counter interval|k/o/n||
          inbound|Inbound replay interval|||
            <1-1000>|Packets|||
              <cr>||||
              !
              outbound|Outbound replay interval|||
                <1-1000>|Packets|||
                  <cr>||||
                  !
                !
              !
            !
          !
          outbound|Outbound replay interval|||
            <1-1000>|Packets|||
              <cr>||||
              !
            !
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
        set|Specify crypto map settings|k||&crypto_map_set.cfm
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
      rsa|Generate RSA keys|k||&crypto_key_rsa_opt.cfm
      !
      ec|Generate EC keys|k||
        keysize|Number of bits|||
          #|key size|||&crypto_key_ec_opt.cfm
            256|256 bit keys||
            384|384 bit keys||
            521|521 bit keys||
          #|||
          !
        !
      !
    !
    param|Key parameters|k||
      rsa|RSA key parameters|k||&crypto_key_rsa_opt.cfm
      !
    !
    pubkey-chain|Peer public key chain management|k||
      rsa|Peer RSA public key chain management|k||
        <cr>||||@(config-pubkey-chain)# crypto_pubkey_chain.cfm
        !
      !
    !
    zeroize|Remove keys|k||
      <cr>||||
      !
      #|key type|k||
        rsa|Remove RSA keys||
        ec|Remove EC keys||
      #|||
        <cr>||||
        !
        word|Key pair label|k||
          <cr>||||
          !
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
        word|Map name|k||
          <1-1000>|Sequence number|k/n||
            <cr>||||
            !
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
      word|Token name, or default|k||
        removal|Action on token removal|k||
          timeout|Seconds before the token keys are removed|k/o/n||
            <0-480>|Seconds|||
              <cr>||||
              !
            !
          !
        !
        user-pin|Token user PIN|k/o/n||
          word|User PIN|||
            <cr>||||
            !
          !
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
      #|source|||
        local|Look up certificates locally||
        ldap|Look up certificates by LDAP||
      #|||
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
    large-mod-accel|Enable large modulus acceleration|k/o/sb||
      <cr>||||
      !
    !
    software|Software crypto engine|k||
      ipsec|IPsec in the software engine|k/o/sb||
        <cr>||||
        !
      !
    !
    accelerator|Crypto accelerator|k/o/sb||
      <cr>||||
      !
    !
    compliance|Crypto compliance|k||
      shield|Shield compliance|k||
        disable|Disable shield compliance|k/o/sb||
          <cr>||||
          !
        !
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
        <1-65535>|Port number|lb/le/wa||
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
    dpd|Dead peer detection|k/o/n||
      <10-3600>|Keepalive interval in seconds|||
        <2-60>|Retry interval in seconds|||
          #|mode|||
            on-demand|Send keepalives on demand (default)||
            periodic|Send keepalives periodically||
          #|||
            <cr>||||
            !
          !
        !
      !
    !
    nat|NAT settings|k||
      keepalive|NAT keepalive interval|k/o/n||
        <5-3600>|Keepalive interval in seconds|||
          <cr>||||
          !
        !
      !
    !
    cookie-challenge|Threshold of half-open SAs above which cookies are challenged|k/o/n||
      <0-1000>|Number of half-open SAs|||
        <cr>||||
        !
      !
    !
    limit|Limits on SAs|k||
      max-sa|Maximum number of SAs|k/o/n||
        <1-9999>|Number of SAs|||
          <cr>||||
          !
        !
      !
      max-in-negotiation-sa|Maximum number of SAs in negotiation|k/o/n||
        <1-9999>|Number of SAs|||
          <cr>||||
          !
          incoming|Limit the incoming SAs in negotiation|k||
            <cr>||||
            !
          !
          outgoing|Limit the outgoing SAs in negotiation|k||
            <cr>||||
            !
          !
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
      trustpoint|Trustpoint for remote access|k/o/n||
        word|Trustpoint name|||
          <cr>||||
          !
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
device-tracking|Device tracking|k||
  policy|Define a device tracking policy|k||
    word|Policy name|k/n||
      <cr>||||@(config-device-tracking)# device_tracking.cfm
      !
    !
  !
  logging|Device tracking logging|k/o/sb||
    <cr>||||
    !
  !
  tracking|Tracking settings|k/o/sb||
    <cr>||||
    !
    retry-interval|Retry interval|||
      <1-3600>|Seconds|||
        <cr>||||
        !
      !
    !
  !
  binding|Binding table settings|k||
    reachable-lifetime|Reachable lifetime|k/o/n||
      <1-86400>|Seconds|||
        <cr>||||
        !
      !
      infinite|Never expire|||
        <cr>||||
        !
      !
    !
    max-entries|Maximum number of entries|k/o/n||
      <1-200000>|Entries|||
        <cr>||||
        !
      !
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
dial-peer|Dial map (peer) configuration|k||
  cor|Class of restriction|k||
    custom|Define the custom classes of restriction|k||
      <cr>||||@(config-dp-cor)# dial_peer_cor_custom.cfm
      !
    !
    list|Define a list of classes of restriction|k||
      word|Name of the list|k/n||
        <cr>||||@(config-dp-corlist)# dial_peer_cor_list.cfm
        !
      !
    !
  !
  voice|Voice dial peer|k||
    <1-1073741823>|Voice dial peer tag|k/n||
      #|dial peer type|||
        pots|Telephony||
        voip|Voice over IP||
      #|||
        <cr>||||@(config-dial-peer)# dial_peer.cfm
        !
      !
    !
  !
!
dialer|Dialer watch-list|k||
  watch-list|Dialer watch-list|k||
    <1-255>|Dialer watch-list group number|k/n||
      ip|IP address and mask of the watched route|k||
        a.b.c.d|IP address|k/n||
          a.b.c.d|IP mask|k/n||
            <cr>||||
            !
          !
        !
      !
      delay|Delays for the watched route|k||
        #|delay|k/o/n||
          connect|Delay before connecting||
          disconnect|Delay before disconnecting||
        #|||
          <1-2147483>|Seconds|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
dialer-list|Create a dialer list entry|k||
  <1-128>|Dialer group number|k/n||
    protocol|Permit or deny by protocol|k||
      #|protocol|k/o/n||
        appletalk|AppleTalk||
        bridge|Bridging||
        clns|OSI connectionless network service||
        clns_es|CLNS end system||
        clns_is|CLNS intermediate system||
        decnet|DECnet||
        ip|IP||
        ipv6|IPv6||
        ipx|Novell IPX||
        llc2|LLC2||
        netbios|NetBIOS||
        vines|Banyan VINES||
        xns|XNS||
      #|||
        #|access|||
          permit|Permit the protocol||
          deny|Deny the protocol||
        #|||
          <cr>||||
          !
        !
        list|Use an access list|||
          word|Access list name or number|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
access-session|Access session global settings|k||
  mac-move|MAC move of an authenticated host to another port|k/o/n||
    deny|Deny MAC moves|||
      <cr>||||
      !
      uncontrolled|Deny moves to ports without access control|||
        <cr>||||
        !
      !
    !
  !
  attributes|Attributes of access sessions|k||
    filter-list|Filter list of the attributes|k||
      list|Named attribute filter list|k/o/n||
        word|Filter list name|||
          <cr>||||
          !
        !
      !
    !
  !
!
dot11|IEEE 802.11 configuration|k||
  // An SSID and its settings; the radio interfaces name it with "ssid NAME".
  ssid|Configure an SSID|k||
    word|SSID, up to 32 characters|k/n||
      <cr>||||@(config-ssid)# dot11_ssid.cfm
      !
    !
  !
  syslog|Log 802.11 association events to syslog|k||
    <cr>||||
    !
  !
!
dot1x|IEEE 802.1X global configuration|k||
  critical|Critical authentication settings|k||
    eapol|Send EAPOL-Success when a port becomes critically authorized|k||
      <cr>||||
      !
    !
    recovery|Recovery of critical ports|k||
      delay|Delay before re-initialising critical ports|k/o/n||
        <1-10000>|Delay in milliseconds|||
          <cr>||||
          !
        !
      !
    !
  !
  system-auth-control|Enable or disable SysAuthControl|k/sb/o||
    <cr>||||
    !
  !
!
downlink|Downlink settings|k||
  delay|Downlink delay|k||
    disable|Disable the downlink delay|k||
      timeout|Timeout|k/o/n||
        <1-4294967295>|Seconds|||
          <cr>||||
          !
        !
      !
    !
  !
!
dual-mode-default-vlan|Default vlan for dual mode|k/o/sb||
  <cr>||||
  !
  <1-4094>|VLAN ID|||
    <cr>||||
    !
  !
!

// ---- e ----
enable|Modify enable password parameters|k||
  secret|Assign the privileged level secret|k/o/n||
    #|encryption type|||
      0|Specifies an UNENCRYPTED password will follow||
      4|Specifies a SHA-256 ENCRYPTED secret will follow (deprecated)||
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
// Cisco Unified CME directory numbers: "ephone-dn 1" (the device prints
// two blanks after the keyword), dual-line or octo-line.
ephone-dn|Directory number of SCCP phones|k||
  <1-15000>|Directory number tag|k/n||
    <cr>||||@(config-ephone-dn)# ephone_dn.cfm
    !
    #|line kind|o||
      dual-line|Two calls at once||
      octo-line|Eight calls at once||
    #|||
      <cr>||||@(config-ephone-dn)# ephone_dn.cfm
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
  detect|Error disable detection|k||
    cause|Error disable detection cause|k||
      &errdisable.cfm|Error disable cause|k/sb||
        <cr>||||
        !
      !
    !
  !
  flap-setting|Error disable flap detection setting|k||
    cause|Error disable flap cause|k||
      #|cause|k/o/n||
        dtp-flap|DTP flap error detection||
        link-flap|Link flap error detection||
        pagp-flap|PAgP flap error detection||
      #|||
        max-flaps|Maximum flaps allowed before setting to errdisable|||
          <1-100>|Maximum flaps|||
            time|Time period the flaps are counted|||
              <1-120>|Time period in seconds|||
                <cr>||||
                !
              !
            !
          !
        !
      !
    !
  !
!
ethernet|Ethernet configuration|k||
  evc|Ethernet virtual connection|k||
    word|EVC name|k/n||
      <cr>||||@(config-evc)# evc.cfm
      !
    !
  !
  lmi|Ethernet LMI|k||
    ce|Customer edge|k/sb/o||
      <cr>||||
      !
    !
  !
  cfm|Ethernet connectivity fault management|k||
    global|Enable CFM globally|k/o/sb||
      <cr>||||
      !
    !
    ieee|IEEE standard CFM|k/o/sb||
      <cr>||||
      !
    !
    traceroute|Traceroute settings|k||
      cache|Traceroute cache|k/o/sb||
        <cr>||||
        !
      !
    !
    domain|Maintenance domain|k||
      word|Domain name|k||
        level|Maintenance level|k/n||
          <0-7>|Maintenance level|k/n||
            <cr>||||@(config-ecfm)# cfm_domain.cfm
            !
          !
        !
      !
    !
    alarm|Alarm settings|k||
      notification|Alarm notification|k/o/n||
        #|notification|||
          all|All defects||
          error-xcon|Error and cross-connect defects||
          mac-remote-error-xcon|MAC, remote, error and cross-connect defects||
          none|No defects||
          remote-error-xcon|Remote, error and cross-connect defects||
          xcon|Cross-connect defects||
        #|||
          <cr>||||
          !
        !
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
    environment|Set an Event Manager global variable|k||
      word|Name of the Event Manager environment variable|k/o/n||
        line|Value of the environment variable|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    session|Event Manager session|k||
      cli|CLI session|k||
        username|Username for CLI sessions|k/o/n||
          word|Username|||
            <cr>||||
            !
            privilege|Privilege level|||
              <0-15>|Privilege level|||
                <cr>||||
                !
              !
            !
          !
        !
      !
    !
    directory|Set Event Manager directory|k||
      user|User library files or user-defined policies|k||
        #|kind|k/o/n||
          library|Script library||
          policy|User policies||
        #|||
          word|Path of the directory|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
exception|Exception handling|k||
  crashinfo|Crashinfo collections|k||
    maximum|Maximum of crashinfo files|k||
      files|Number of files|k/o/n||
        <0-32>|Number of files|||
          <cr>||||
          !
        !
      !
    !
    maximum-files|Maximum number of crashinfo files|k/o/n||
      <0-32>|Number of files|||
        <cr>||||
        !
      !
    !
    file|Crashinfo file name|k/o/n||
      word|File name|||
        <cr>||||
        !
      !
    !
    buffersize|Crashinfo buffer size|k/o/n||
      <32-100>|Size in kilobytes|||
        <cr>||||
        !
      !
    !
  !
  memory|Memory leak debugging|k||
    ignore|Ignore the memory condition|k||
      overflow|Overflow of a memory pool|k||
        #|pool|k/o/sb||
          io|I/O memory||
          processor|Processor memory||
        #|||
          <cr>||||
          !
        !
      !
    !
    minimum|Minimum free memory|k/o/n||
      <1-4294967295>|Bytes|||
        <cr>||||
        !
      !
    !
    fragment|Fragmentation threshold|k/o/n||
      <1-4294967295>|Bytes|||
        <cr>||||
        !
      !
    !
  !
!
exception-slave|Exception handling for the standby|k||
  core-file|Core file name|k/o/n||
    word|File name|||
      <cr>||||
      !
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
flow|Global Flow configuration subcommands|k||
  record|Define a flow record|k||
    word|User defined flow record name|k/n||
      <cr>||||@(config-flow-record)# flow_record.cfm
      !
    !
  !
  exporter|Define a flow exporter|k||
    word|User defined flow exporter name|k/n||
      <cr>||||@(config-flow-exporter)# flow_exporter.cfm
      !
    !
  !
  monitor|Define a flow monitor|k||
    word|User defined flow monitor name|k/n||
      <cr>||||@(config-flow-monitor)# flow_monitor.cfm
      !
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
  ip|IP hardware settings|k||
    glean|Glean settings|k||
      throttle|Throttle glean packets|k/o/sb||
        <cr>||||
        !
        maximum|Maximum glean entries|||
          <0-32767>|Entries|||
            <cr>||||
            !
          !
        !
      !
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
  topn|Top N monitoring|k||
    enable|Enable top N monitoring|k/o/sb||
      <cr>||||
      !
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
      #|access list|k/n||
        <1-2699>|Access list number||
        word|Access list name||
      #|||
        <1-2147483647>|Starting sequence number|k/o/n||
          <1-2147483647>|Step to increment the sequence number|||
            <cr>||||
            !
          !
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
      vlan|Enable ARP inspection on VLANs|k/o/n||
        word|VLAN list, example 1,3-5,7|||
          <cr>||||
          !
          logging|Logging of packets|||
            #|packets|||
              acl-match|Logging of packets that match ACLs||
              dhcp-bindings|Logging of packets that match DHCP bindings||
            #|||
              #|option|||
                matchlog|Log packets as the ACE says||
                none|Log no packets||
                permit|Log permitted packets||
                all|Log all packets||
              #|||
                <cr>||||
                !
              !
            !
          !
        !
      !
      validate|Validate the ARP packets|k/o/n||
        #|check|lb/le/wa||
          dst-mac|Validate destination MAC address||
          ip|Validate IP addresses||
          src-mac|Validate source MAC address||
        #|||
          <cr>||||
          !
        !
      !
      filter|Specify ARP acl to be applied|k||
        word|ARP acl name|k||
          vlan|VLANs to apply the filter to|k/o/n||
            word|VLAN list|||
              <cr>||||
              !
              static|Apply the ACL statically|||
                <cr>||||
                !
              !
            !
          !
        !
      !
      log-buffer|Log buffer configuration|k||
        entries|Number of entries|k/o/n||
          <0-1024>|Entries|||
            <cr>||||
            !
          !
        !
        logs|Number of logs per interval|k/o/n||
          <0-1024>|Entries|||
            interval|Interval|||
              <0-86400>|Seconds|||
                <cr>||||
                !
              !
            !
          !
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
    accounting|Enable CEF accounting|k/o/n||
      #|accounting kind|lb/le/wa||
        non-recursive|Enable non-recursive accounting||
        per-prefix|Enable per prefix accounting||
        prefix-length|Enable prefix length accounting||
        load-balance-hash|Enable load balancing hash bucket counters||
      #|||
        <cr>||||
        !
      !
    !
    load-sharing|Load sharing|k||
      algorithm|Per-destination load sharing algorithm selection|k/o/n||
        #|algorithm|||
          original|Original algorithm||
          tunnel|Algorithm for use in tunnel only environments||
          universal|Algorithm for use in most environments||
          include-ports|Algorithm that includes layer 4 ports||
        #|||
          <cr>||||
          !
          <0-ffffffff>|Fixed identifier|||
            <cr>||||
            !
          !
          #|ports|||
            source|Include the source port||
            destination|Include the destination port||
          #|||
            <cr>||||
            !
            destination|Include the destination port|||
              <cr>||||
              !
            !
          !
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
      word|Community list name|k/n||&community_std.cfm
      !
    !
    expanded|Add an expanded community-list entry|k||
      word|Community list name|k/n||&community_exp.cfm
      !
    !
    <1-99>|Community list number (standard)|k/n||&community_std.cfm
    !
    <100-500>|Community list number (expanded)|k/n||&community_exp.cfm
    !
    word|Community list name|k/n||&community_std.cfm
    !
  !
  extcommunity-list|Add an extended community list entry|k||
    standard|Add a standard extcommunity-list entry|k||
      word|Extended community list name|k/n||&extcommunity_std.cfm
      !
    !
    expanded|Add an expanded extcommunity-list entry|k||
      word|Extended community list name|k/n||&community_exp.cfm
      !
    !
    <1-99>|Extended community list number (standard)|k/n||&extcommunity_std.cfm
    !
    <100-500>|Extended community list number (expanded)|k/n||&community_exp.cfm
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
    ping|Specify ping parameters used by DHCP|k||
      packets|Number of ping packets|k/o/n||
        <0-10>|Number of ping packets (0 disables ping)|||
          <cr>||||
          !
        !
      !
      timeout|Ping timeout|k/o/n||
        <100-10000>|Ping timeout (milliseconds)|||
          <cr>||||
          !
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
    snooping|DHCP Snooping|k/o/sb||
      <cr>||||
      !
      vlan|DHCP Snooping vlan|k/o/n||
        word|VLAN list, example 1,3-5,7|||
          <cr>||||
          !
        !
      !
      information|DHCP Snooping information|k||
        option|DHCP Snooping information option|k/o/sb||
          <cr>||||
          !
          allow-untrusted|Allow the option from untrusted ports|||
            <cr>||||
            !
          !
        !
      !
      database|DHCP snooping database agent|k||
        word|Database URL (flash:, ftp:, tftp: ...)|o/n||
          <cr>||||
          !
        !
        #|setting|k/o/n||
          url|Database URL||
        #|||
          word|URL|||
            <cr>||||
            !
          !
        !
        write-delay|Write delay|k/o/n||
          <15-86400>|Seconds|||
            <cr>||||
            !
          !
        !
        timeout|Abort timeout|k/o/n||
          <0-86400>|Seconds|||
            <cr>||||
            !
          !
        !
      !
      verify|DHCP snooping verify|k||
        mac-address|Verify the MAC address|k/o/sb||
          <cr>||||
          !
        !
        no-relay-agent-address|Verify no relay agent address|k/o/sb||
          <cr>||||
          !
        !
      !
      glean|Snooping glean|k/o/sb||
        <cr>||||
        !
      !
    !
    relay|DHCP relay agent parameters|k||
      information|Relay agent information option|k||
        #|setting|k/o/sb||
          option|Insert relay information in BOOTREQUEST||
          trust-all|Received DHCP packets may contain relay info option with zero giaddr||
          check|Validate relay agent information option||
        #|||
          <cr>||||
          !
          vpn|Insert VPN sub-options|||
            <cr>||||
            !
          !
          server-id-override|Overwrite the server identifier|||
            <cr>||||
            !
          !
        !
        policy|Define reforwarding policy|k/o/n||
          #|policy|||
            drop|Relay information option causes the packet to be dropped||
            encapsulate|Encapsulate the relay information||
            keep|Keep the existing relay information||
            replace|Replace the existing relay information||
          #|||
            <cr>||||
            !
          !
        !
      !
      source-interface|Source interface for relayed messages|k/o/n||
        &interfacefile.cfm|Interface type|||
          <slot/port>|Interface number|||
            <cr>||||
            !
          !
        !
      !
      prefix-delegation|Prefix delegation|k||
        route|Install routes for delegated prefixes|k/o/sb||
          <cr>||||
          !
        !
      !
    !
    use|Configure use of DHCP options|k||
      #|option|k/o/sb||
        vrf|Use the VRF||
        class|Use class information||
        subscriber-id|Use the subscriber identifier||
      #|||
        <cr>||||
        !
        connected|Use the connected VRF||
          <cr>||||
          !
        !
        remote|Use the remote VRF||
          <cr>||||
          !
        !
      !
    !
    database|Configure DHCP database agents|k||
      word|URL of the database agent|k/n||
        <cr>||||
        !
        timeout|Transfer timeout|o/n||
          <0-2147483>|Seconds|||
            <cr>||||
            !
            write-delay|Write delay|||
              <60-86400>|Seconds|||
                <cr>||||
                !
              !
            !
          !
        !
        write-delay|Write delay|o/n||
          <60-86400>|Seconds|||
            <cr>||||
            !
          !
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
  device|Device tracking settings|k||
    tracking|Enable IP device tracking|k/o/sb||
      <cr>||||
      !
    !
  !
  finger|Finger server|k/sn||
    <cr>||||
    !
  !
  gratuitous-arps|Generate gratuitous ARPs for PPP/SLIP peer addresses|k/sn||
    <cr>||||
    !
  !
  igmp|IGMP global configuration|k||
    snooping|Global IGMP Snooping enable|k/o/sb||
      <cr>||||
      !
      vlan|IGMP Snooping enable for VLAN|k||
        <1-4094>|VLAN id|k||
          <cr>||||
          !
          immediate-leave|Enable IGMPv2 immediate leave processing|k||
            <cr>||||
            !
          !
          mrouter|Configure an L2 port as a multicast router port|k||
            interface|Next-hop interface|k||
              &interfacefile.cfm|Interface type|k||
                <slot/port>|Interface number|k/n||
                  <cr>||||
                  !
                !
              !
            !
          !
          static|Configure a L2 port as a member of a group|k||
            a.b.c.d|Group address|k||
              interface|Member interface|k||
                &interfacefile.cfm|Interface type|k||
                  <slot/port>|Interface number|k/n||
                    <cr>||||
                    !
                  !
                !
              !
            !
          !
        !
      !
      querier|IGMP querier|k/o/sb||
        <cr>||||
        !
      !
      report-suppression|IGMP report suppression|k/o/sb||
        <cr>||||
        !
      !
      tcn|Topology change configurations|k||
        flood|Flood multicast traffic after a topology change|k||
          query|Query count|k||
            count|Number of general queries during which to flood|k/o/n||
              <1-10>|Query count|||
                <cr>||||
                !
              !
            !
          !
        !
      !
    !
  !
  options|IP options processing|k/o/n||
    #|action|||
      drop|Drop IP packets with options||
      ignore|Ignore IP options||
    #|||
      <cr>||||
      !
    !
  !
  dns|DNS server settings|k||
    server|Enable the DNS server|k||
      <cr>||||
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
  domain-list|Domain name to complete unqualified host names (older form)|k||
    word|A domain name|k/n||
      <cr>||||
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
      #|scheme|k/n||
        as|AS aggregation||
        as-tos|AS-TOS aggregation||
        bgp-nexthop-tos|BGP next hop TOS aggregation||
        destination-prefix|Destination prefix aggregation||
        destination-prefix-tos|Destination prefix TOS aggregation||
        prefix|Prefix aggregation||
        prefix-port|Prefix port aggregation||
        prefix-tos|Prefix TOS aggregation||
        protocol-port|Protocol and port aggregation||
        protocol-port-tos|Protocol, port and TOS aggregation||
        source-prefix|Source prefix aggregation||
        source-prefix-tos|Source prefix TOS aggregation||
      #|||
        <cr>||||@(config-flow-cache)# flow_cache.cfm
        !
      !
    !
  !
  flow-cache|Configure netflow cache parameters|k||
    timeout|Timeouts of the flow cache|k||
      #|timeout|k/o/n||
        active|Active flow timeout||
        inactive|Inactive flow timeout||
      #|||
        <1-3600>|Timeout in seconds (active: minutes)|||
          <cr>||||
          !
        !
      !
    !
    entries|Number of entries|k/o/n||
      <1024-524288>|Entries|||
        <cr>||||
        !
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
      #|version|||
        1|Version 1 export format||
        5|Version 5 export format||
        9|Version 9 export format||
      #|||
        <cr>||||
        !
        #|AS|||
          origin-as|Record origin AS||
          peer-as|Record peer AS||
        #|||
          <cr>||||
          !
          bgp-nexthop|Record BGP NextHop|||
            <cr>||||
            !
          !
        !
      !
    !
    destination|Specify the Destination IP address|k||
      hostname or a.b.c.d|Destination IP address or hostname|k/n||
        <1-65535>|Destination UDP port|n||
          <cr>||||
          !
          vrf|VRF of the destination|||
            word|VRF name|||
              <cr>||||
              !
            !
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
      <cr>||||
      !
      &ports.cfm|Port number or name|k/n||
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
  host|Add an entry to the ip hostname table|k||
    vrf|VRF table|||
      word|VRF name|k||
        word|Name of host|k/n||
          a.b.c.d|Host IP address|lb/le/m/o||
            <cr>||||
            !
          !
        !
      !
    !
    word|Name of host|k/n||
      <0-65535>|Default telnet port number|o||
        a.b.c.d|Host IP address|lb/le/m||
          <cr>||||
          !
        !
      !
      a.b.c.d|Host IP address|lb/le/m/o||
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
        enable|Use enable passwords||
        local|Use local username and passwords||
      #|||
        <cr>||||
        !
      !
      aaa|Use AAA access control methods|||
        <cr>||||
        !
        #|list type|||
          exec-authorization|Set method list for exec authorization||
          login-authentication|Set method list for login authentication||
        #|||
          word|Method list name|||
            <cr>||||
            !
          !
        !
      !
    !
    access-class|Restrict http server access by access-class|k/o/n||
      <1-99>|Access list number|||
        <cr>||||
        !
      !
      ipv4|IPv4 access list|||
        word|Access list name|||
          <cr>||||
          !
        !
      !
    !
    client|HTTP client configuration|k||
      secure-trustpoint|Set the CA trustpoint of the secure client|k/o/n||
        word|Trustpoint name|||
          <cr>||||
          !
        !
      !
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
      idle|Connection idle time|||
        <1-600>|Idle seconds|||
          life|Connection life time|||
            <1-86400>|Life seconds|||
              requests|Maximum number of requests per connection|||
                <1-86400>|Requests|||
                  <cr>||||
                  !
                !
              !
            !
          !
        !
      !
    !
    max-connections|Set maximum number of concurrent http server connections|k/o/n||
      <1-16>|Maximum number of concurrent http server connections|||
        <cr>||||
        !
      !
    !
    secure-ciphersuite|Set the secure server cipher suites|k/o/n||
      #|cipher suite|lb/le/wa||
        3des-ede-cbc-sha|Encryption type tls_rsa_with_3des_ede_cbc_sha||
        aes-128-cbc-sha|Encryption type tls_rsa_with_aes_128_cbc_sha||
        aes-256-cbc-sha|Encryption type tls_rsa_with_aes_256_cbc_sha||
        dhe-aes-128-cbc-sha|Encryption type tls_dhe_rsa_with_aes_128_cbc_sha||
        dhe-aes-cbc-sha2|Encryption type tls_dhe_rsa_with_aes_cbc_sha2||
        dhe-aes-gcm-sha2|Encryption type tls_dhe_rsa_with_aes_gcm_sha2||
        ecdhe-ecdsa-aes-gcm-sha2|Encryption type tls_ecdhe_ecdsa_aes_gcm_sha2||
        ecdhe-rsa-3des-ede-cbc-sha|Encryption type tls_ecdhe_rsa_3des_ede_cbc_sha||
        ecdhe-rsa-aes-128-cbc-sha|Encryption type tls_ecdhe_rsa_with_aes_128_cbc_sha||
        ecdhe-rsa-aes-cbc-sha2|Encryption type tls_ecdhe_rsa_aes_cbc_sha2||
        ecdhe-rsa-aes-gcm-sha2|Encryption type tls_ecdhe_rsa_aes_gcm_sha2||
        rc4-128-md5|Encryption type tls_rsa_with_rc4_128_md5||
        rc4-128-sha|Encryption type tls_rsa_with_rc4_128_sha||
      #|||
        <cr>||||
        !
      !
    !
    tls-version|Set the TLS version of the secure server|k/o/n||
      #|version|||
        tlsv1.0|TLS version 1.0||
        tlsv1.1|TLS version 1.1||
        tlsv1.2|TLS version 1.2||
        tlsv1.3|TLS version 1.3||
      #|||
        <cr>||||
        !
      !
    !
    secure-port|Set HTTP secure server port number for listening|k/o/n||
      <443-443>|Default secure port number|||
        <cr>||||
        !
      !
      <1025-65535>|Secure port number|||
        <cr>||||
        !
      !
    !
    #|session modules|k/o/n||
      active-session-modules|Set active HTTP session modules||
      secure-active-session-modules|Set active HTTPS session modules||
    #|||
      #|modules|||
        all|Enable all HTTP session modules||
        none|Disable all HTTP session modules||
      #|||
        <cr>||||
        !
      !
      word|Name of the session module list|||
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
        <1-4294967295>|Milliseconds between unreachables|||
          <cr>||||
          !
          log|Log the rate limiting|||
            <cr>||||
            !
          !
        !
        df|Rate limit for code 4 (packet too big)|||
          <1-4294967295>|Milliseconds|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  ips|Intrusion prevention system|k||
    name|Specify an IPS rule|k||
      word|IPS rule name|k/o/n||
        <cr>||||
        !
        list|Access list of the packets the rule scans|||
          word|Access list number or name|||
            <cr>||||
            !
          !
        !
      !
    !
    config|IPS configuration|k||
      location|Where the IPS configuration files are kept|k/o/n||
        word|URL of the directory|||
          <cr>||||
          !
        !
      !
    !
    // one line for each kind of notification
    notify|How the IPS reports alarms|k||
      #|notification|k/n||
        sdee|Security Device Event Exchange||
        log|Syslog messages||
      #|||
        <cr>||||
        !
      !
    !
    signature-category|IPS signature categories|k||
      <cr>||||@(config-ips-category)# ips_category.cfm
      !
    !
  !
  inspect|Context-based access control|k||
    name|Specify an inspection rule|k||
      word|Inspection rule name|k||
        &ports.cfm|Protocol|k/o/n||&cbac_rule_opt.cfm
        !
        #|Protocol|k/o/n||&cbac_rule_opt.cfm
          tcp|Transmission Control Protocol||
          udp|User Datagram Protocol||
          icmp|Internet Control Message Protocol||
          aol|America Online Instant Messenger||
          cddbp|CD Database Protocol||
          ddns-v3|Dynamic DNS version 3||
          dns|Domain Name Server||
          esmtp|Extended Simple Mail Transfer Protocol||
          ftps|FTP over TLS/SSL||
          imaps|IMAP over TLS/SSL||
          ipass|IPASS roaming authentication||
          ipsec-msft|Microsoft IPsec NAT-T||
          ircs|IRC over TLS/SSL||
          netshow|Microsoft NetShow||
          pop3s|POP3 over TLS/SSL||
          realaudio|RealAudio||
          realsecure|ISS RealSecure||
          rtsp|Real Time Streaming Protocol||
          sip|Session Initiation Protocol||
          skinny|Skinny Client Control Protocol||
          sqlnet|SQL*Net||
          streamworks|StreamWorks||
          vdolive|VDOLive||
          h323|H.323 Protocol||
          cuseeme|CUSeeMe Protocol||
          rcmd|R commands (r-exec, r-login, r-sh)||
        #|||
        !
        http|Hypertext Transfer Protocol|k/o/n||&cbac_http_opt.cfm
        !
        fragment|IP fragment inspection|k/o/n||
          <cr>||||
          !
          maximum|Maximum number of unassembled packets|||
            <50-10000>|Number of unassembled packets|||
              <cr>||||
              !
              timeout|Timeout for unassembled fragments|||
                <1-1000>|Seconds|||
                  <cr>||||
                  !
                !
              !
            !
          !
        !
      !
    !
    log|Inspection logging|k||
      drop-pkt|Log dropped packets|k/o/sb||
        <cr>||||
        !
      !
    !
    audit-trail|Enable the logging of session information|k/o/sb||
      <cr>||||
      !
    !
    tcp|TCP settings|k||
      idle-time|Idle timeout|k/o/n||
        <1-2147483>|Seconds|||
          <cr>||||
          !
        !
      !
      finwait-time|Timeout after a FIN exchange|k/o/n||
        <1-2147483>|Seconds|||
          <cr>||||
          !
        !
      !
      synwait-time|Timeout to reach the established state|k/o/n||
        <1-2147483>|Seconds|||
          <cr>||||
          !
        !
      !
      max-incomplete|Maximum half-open sessions per destination host|k||
        host|Threshold and block time per host|k/o/n||
          <1-250>|Half-open sessions per host|||
            <cr>||||
            !
            block-time|Block time after the threshold is exceeded|||
              <0-35791>|Minutes|||
                <cr>||||
                !
              !
            !
          !
        !
      !
    !
    udp|UDP settings|k||
      idle-time|Idle timeout|k/o/n||
        <1-2147483>|Seconds|||
          <cr>||||
          !
        !
      !
    !
    alert-off|Disable the alert messages|k||
      <cr>||||
      !
    !
    dns-timeout|Idle timeout of a DNS lookup session|k/o/n||
      <1-2147483>|Seconds|||
        <cr>||||
        !
      !
    !
    max-incomplete|Maximum number of half-open sessions|k||
      #|threshold|k/o/n||
        high|Upper threshold||
        low|Lower threshold||
      #|||
        <1-2147483647>|Number of sessions|||
          <cr>||||
          !
        !
      !
    !
    waas|Wide area application services|k||
      flush-timeout|Flush timeout|k/o/n||
        <1-2147483>|Seconds|||
          <cr>||||
          !
        !
      !
    !
  !
  internal|Internal settings|k||
    allocate|Allocate internal addresses|k/o/sb||
      <cr>||||
      !
    !
    event-history|Event history|k||&event_history.cfm
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
        a.b.c.d|First IP address of range|k/n||
          <cr>||||
          !
          a.b.c.d|Last IP address of range|k/n||
            <cr>||||
            !
            group|Group this pool belongs to|n||
              word|Group name|n||
                <cr>||||
                !
              !
            !
          !
        !
      !
    !
  !
  mfwd|Multicast forwarding|k||
    event-history|Event history|k||&event_history.cfm
    !
  !
  msdp|MSDP configuration commands|k||
    peer|Configure an MSDP peer|k||
      hostname or a.b.c.d|Peer address or name|k/o/n||&msdp_peer_opt.cfm
      !
    !
    description|Describe an MSDP peer|k||
      hostname or a.b.c.d|Peer address or name|k/o/n||
        line|Up to 80 characters describing this peer|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    sa-filter|Filter SA messages from or to a peer|k||
      #|direction|k||
        in|Filter incoming SA messages||
        out|Filter outgoing SA messages||
      #|||
        hostname or a.b.c.d|Peer address or name|k/o/n||&msdp_filter_opt.cfm
        !
      !
    !
    mesh-group|Add a peer to a mesh group|k||
      word|Mesh group name|k/n||
        hostname or a.b.c.d|Peer address or name|k/n||
          <cr>||||
          !
        !
      !
    !
    originator-id|Address advertised as the RP of local SA messages|k/o/n||
      &interfacefile.cfm|Interface type|||
        <slot/port>|Interface number|||
          <cr>||||
          !
        !
      !
    !
    cache-sa-state|Cache SA state|k||
      <cr>||||
      !
    !
    redistribute|Sources advertised in SA messages|k/o/n||&msdp_redist_opt.cfm
    !
    password|Authenticate the TCP session of a peer|k||
      peer|Peer to authenticate|k||
        hostname or a.b.c.d|Peer address or name|k/o/n||
          #|encryption|||
            0|The password that follows is unencrypted||
            7|The password that follows is encrypted||
          #|||
            line|Password|lb/le/wa||
              <cr>||||
              !
            !
          !
          line|Password|lb/le/wa||
            <cr>||||
            !
          !
        !
      !
    !
    shutdown|Administratively shut down a peer|k||
      hostname or a.b.c.d|Peer address or name|k/n||
        <cr>||||
        !
      !
    !
    default-peer|Accept all SA messages from a peer|k||
      hostname or a.b.c.d|Peer address or name|k/o/n||
        <cr>||||
        !
        prefix-list|Accept only SA messages whose RP the prefix list permits|||
          word|Prefix list name|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  multicast|Global IP multicast commands|k||
    boundary|Multicast boundary|k||
      #|scope|k/o/n||
        <1-99>|Access list number||
        word|Access list name||
      #|||
        <cr>||||
        !
      !
    !
    route-limit|Maximum number of multicast routes|k/o/n||
      <1-2147483647>|Maximum number of multicast routes|||
        <cr>||||
        !
        <1-2147483647>|Threshold for warning message|||
          <cr>||||
          !
        !
      !
    !
    multipath|Enable equal-cost multipath routing of multicast traffic|k/o/sb||
      <cr>||||
      !
      s-g-hash|Use (S,G) hashing|||
        #|hash|||
          basic|Basic hash||
          next-hop-based|Next hop based hash||
        #|||
          <cr>||||
          !
        !
      !
    !
    rpf|RPF settings|k||
      interval|RPF check interval|k/o/n||
        <10-3600>|Seconds|||
          <cr>||||
          !
        !
      !
    !
    cache-headers|Store multicast packet headers in cache|k/o/sb||
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
                interface|Specify interface for global address|k/o/n||
                  &interfacefile.cfm|Interface type|||
                    <slot/port>|interface number|||
                      <1-65535>|Global UDP/TCP port|n||&nat_static_opt.cfm
                      !
                    !
                  !
                !
              !
            !
          !
          network|Subnet translation|||
            a.b.c.d|Inside local IP subnet|k/n||
              a.b.c.d|Inside global IP subnet|k/o/n||
                a.b.c.d|IP network subnet mask|n||&nat_static_opt.cfm
                !
                &slash_length.cfm|Prefix length (for example /24)|n||&nat_static_opt.cfm
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
          a.b.c.d|Outside global IP address|k/n||
            a.b.c.d|Outside local IP address|k/o/n||
              <cr>||||
              !
              extendable|Extend this translation when used|||
                <cr>||||
                !
              !
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
              a.b.c.d|Network mask|||&nat_pool_opt.cfm
              !
            !
            prefix-length|Specify the prefix length|||
              <1-32>|Prefix length|||&nat_pool_opt.cfm
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
        syn-timeout|Specify timeout for NAT TCP flows after a SYN||
        port-timeout|Specify timeout for NAT TCP/UDP port specific flows||
        routemap-entry-timeout|Specify timeout for NAT route-map created half entry||
      #|||
        <0-536870>|Timeout in seconds|||
          <cr>||||
          !
        !
        never|Never timeout|||
          <cr>||||
          !
        !
      !
      max-entries|Specify maximum number of NAT entries|k/o/n||
        <1-2147483647>|Number of entries|||
          <cr>||||
          !
        !
        all-host|Maximum entries per host|||
          <1-2147483647>|Number of entries|||
            <cr>||||
            !
          !
        !
        all-vrf|Maximum entries per VRF|||
          <1-2147483647>|Number of entries|||
            <cr>||||
            !
          !
        !
      !
    !
    service|Special translation for application|k||
      #|application|k||
        sip|SIP protocol||
        skinny|Skinny protocol||
        ftp|FTP protocol||
        h323|H323 protocol||
      #|||
        #|transport|k||
          tcp|TCP protocol||
          udp|UDP protocol||
        #|||
          port|Port number|k||
            <1-65535>|Port number|k/sb||
              <cr>||||
              !
            !
          !
        !
      !
      #|application|k/sb||
        pptp|PPTP protocol||
      #|||
        <cr>||||
        !
      !
    !
    settings|NAT settings|k||
      mode|NAT mode|k/o/n||
        #|mode|||
          cgn|Carrier grade NAT||
          default|Default NAT mode||
        #|||
          <cr>||||
          !
        !
      !
    !
    log|NAT logging|k||
      translations|Log translations|k||
        syslog|Log translations to syslog|k/o/sb||
          <cr>||||
          !
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
    rp-address|PIM RP-address (Rendezvous Point)|k||
      a.b.c.d|IP address of Rendezvous-point for group|k/o/n||
        <cr>||||
        !
        #|option|||
          <1-99>|Access list for groups||
          word|IP Named Standard Access list||
        #|||
          <cr>||||
          !
          override|Overrides dynamically learnt RP mappings|||
            <cr>||||
            !
          !
        !
        override|Overrides dynamically learnt RP mappings|||
          <cr>||||
          !
        !
        bidir|Group range treated in bidirectional shared-tree mode|||
          <cr>||||
          !
        !
      !
    !
    vrf|Select VPN Routing/Forwarding instance|k||
      word|VPN Routing/Forwarding instance name|k||
        rp-address|PIM RP-address (Rendezvous Point)|k||
          a.b.c.d|IP address of Rendezvous-point for group|k/o/n||
            <cr>||||
            !
            #|access list|||
              <1-99>|Access list for groups||
              word|IP Named Standard Access list||
            #|||
              <cr>||||
              !
            !
          !
        !
        ssm|Configure Source Specific Multicast|k/o/n||
          default|Use 232/8 group range for SSM|||
            <cr>||||
            !
          !
          range|ACL for group range to be used for SSM|||
            word|Access list name or number|||
              <cr>||||
              !
            !
          !
        !
      !
    !
    ssm|Configure Source Specific Multicast|k/o/n||
      default|Use 232/8 group range for SSM|||
        <cr>||||
        !
      !
      range|ACL for group range to be used for SSM|||
        word|Access list name or number|||
          <cr>||||
          !
        !
      !
    !
    bidir-enable|Enable Bidir-PIM|k/o/sb||
      <cr>||||
      !
    !
    autorp|Configure AutoRP global operations|k||
      listener|Allow AutoRP packets across sparse mode interface|k/o/sb||
        <cr>||||
        !
      !
    !
    send-rp-announce|Auto-RP send RP announcement|k/o/n||
      &interfacefile.cfm|Interface type|||
        <slot/port>|Interface number|||
          scope|RP announcement scope|||
            <1-255>|TTL|||
              <cr>||||
              !
              group-list|Group access-list|||
                word|Access list|||
                  <cr>||||
                  !
                !
              !
            !
          !
        !
      !
    !
    send-rp-discovery|Auto-RP send RP discovery message (as RP-mapping agent)|k/o/n||
      &interfacefile.cfm|Interface type|||
        <slot/port>|Interface number|||
          scope|Scope of the RP discovery|||
            <1-255>|TTL|||
              <cr>||||
              !
            !
          !
        !
      !
      scope|Scope of the RP discovery|||
        <1-255>|TTL|||
          <cr>||||
          !
        !
      !
    !
    bsr-candidate|Candidate bootstrap router (candidate BSR)|k/o/n||
      &interfacefile.cfm|Interface type|||
        <slot/port>|Interface number|||
          <cr>||||
          !
          <0-32>|Hash Mask length for RP selection|||
            <cr>||||
            !
            <0-255>|Priority value for candidate bootstrap router|||
              <cr>||||
              !
            !
          !
        !
      !
    !
    rp-candidate|To be a PIM version 2 RP candidate|k/o/n||
      &interfacefile.cfm|Interface type|||
        <slot/port>|Interface number|||&pim_rp_candidate_opt.cfm
        !
      !
    !
    spt-threshold|Source-tree switching threshold|k/o/n||
      <0-4294967>|Traffic rate in kilobits per second|||
        <cr>||||
        !
      !
      infinity|Never switch to source-tree|||
        <cr>||||
        !
        group-list|Group address access-list|||
          word|Access list|||
            <cr>||||
            !
          !
        !
      !
    !
    register-source|Source address for PIM Register|k/o/n||
      &interfacefile.cfm|Interface type|||
        <slot/port>|Interface number|||
          <cr>||||
          !
        !
      !
    !
    log-neighbor-changes|Log neighbor changes|k/o/sb||
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
      adjust-time|Periodic time to adjust static routes|k/o/n||
        <1-60>|Seconds|||
          <cr>||||
          !
        !
      !
      bfd|Static route BFD neighbor|k||
        &interfacefile.cfm|Interface type|k||
          <slot/port>|Interface number|k||
            a.b.c.d|Neighbor address|k/n||
              <cr>||||
              !
            !
          !
        !
      !
      inter-vrf|Allow static routes to point to other VRFs|k/o/sb||
        <cr>||||
        !
      !
      install-routes-recurse-via-nexthop|Install routes that recurse via the next hop|k/o/sb||
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
    monitor|IP SLA monitor, the older form of the IP SLA commands|k||
      <1-2147483647>|Entry number|k/n||
        <cr>||||@(config-sla-monitor)# ip_sla_monitor.cfm
        !
      !
      schedule|IP SLA monitor schedule|k||
        <1-2147483647>|Entry number|k/o/n||&ip_sla_schedule_opt.cfm
        !
      !
      responder|Enable the IP SLA monitor responder|k/o/sb||
        <cr>||||
        !
      !
      logging|IP SLA monitor logging|k||
        traps|Enable IP SLA monitor syslog traps|k/o/sb||
          <cr>||||
          !
        !
      !
    !
    auto|IP SLA auto settings|k||
      discovery|Enable IP SLA auto discovery of responders|k/o/sb||
        <cr>||||
        !
      !
    !
    schedule|IP SLA schedule|k||
      <1-2147483647>|Entry number|k/o/n||&ip_sla_schedule_opt.cfm
      !
    !
    responder|Enable the IP SLA responder|k/sb/o||
      <cr>||||
      !
      #|operation|k||
        tcp-connect|TCP connect operation||
        udp-echo|UDP echo operation||
      #|||
        ipaddress|Responder IP address|k||
          a.b.c.d|IP address|k||
            port|Port|k||
              <1-65535>|Port number|k/n||
                <cr>||||
                !
              !
            !
          !
        !
      !
    !
    logging|IP SLA logging|k||
      traps|Enable IP SLA syslog traps|k/o/sb||
        <cr>||||
        !
      !
    !
    enable|Enable IP SLA features|k||
      reaction-alerts|Enable IP SLA reaction alerts|k/o/sb||
        <cr>||||
        !
      !
      timestamps|Enable IP SLA timestamps|k/o/sb||
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
    enable|Enable selective packet discard|k/o/sb||
      <cr>||||
      !
    !
    mode|Selective packet discard mode|k/o/n||
      aggressive|Aggressive mode|||
        <cr>||||
        !
      !
    !
    queue|Selective packet discard queue|k||
      #|threshold|k/o/n||
        max-threshold|Maximum threshold||
        min-threshold|Minimum threshold||
      #|||
        <1-65535>|Queue size|||
          <cr>||||
          !
        !
      !
    !
  !
  ssh|Configure ssh options|k||
    maxstartups|Maximum concurrent sessions allowed|k/o/n||
      <2-128>|Number of concurrent SSH sessions|||
        <cr>||||
        !
      !
    !
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
    port|Starting port number for SSH rotary groups|k/o/n||
      <2000-10000>|Port number|||
        rotary|Rotary groups|||
          <0-127>|Rotary group number|lb/le/wa||
            <cr>||||
            !
          !
        !
      !
    !
    bulk-mode|Optimize SSH for bulk data transfer|k/o/sb||
      <cr>||||
      !
      window-size|TCP window size|||
        <131072-1073741824>|Window size in bytes|||
          <cr>||||
          !
        !
      !
    !
    logging|Configure logging for SSH|k||
      events|Log SSH events|k/o/sb||
        <cr>||||
        !
      !
    !
    rsa|Configure RSA keypair name for SSH|k||
      keypair-name|Keypair name|k/o/n||
        word|Keypair name|||
          <cr>||||
          !
        !
      !
    !
    dh|Diffie-Hellman settings|k||
      min|Minimum Diffie-Hellman key size|k||
        size|Key size|k/o/n||
          #|bits|||
            1024|1024 bit keys||
            2048|2048 bit keys||
            4096|4096 bit keys||
          #|||
            <cr>||||
            !
          !
        !
      !
    !
    #|algorithm owner|k||
      client|Configure the SSH client||
      server|Configure the SSH server||
    #|||
      algorithm|Algorithms to use in priority order|k||
        encryption|Encryption algorithms|k/o/n||
          #|algorithm|lb/le/wa||
            3des-cbc|Three-key 3DES in CBC mode||
            aes128-cbc|AES with 128-bit key in CBC mode||
            aes128-ctr|AES with 128-bit key in CTR mode||
            aes128-gcm|AES with 128-bit key in GCM mode||
            aes128-gcm@openssh.com|AES with 128-bit key in GCM mode (OpenSSH)||
            aes192-cbc|AES with 192-bit key in CBC mode||
            aes192-ctr|AES with 192-bit key in CTR mode||
            aes256-cbc|AES with 256-bit key in CBC mode||
            aes256-ctr|AES with 256-bit key in CTR mode||
            aes256-gcm|AES with 256-bit key in GCM mode||
            aes256-gcm@openssh.com|AES with 256-bit key in GCM mode (OpenSSH)||
            chacha20-poly1305@openssh.com|ChaCha20-Poly1305||
          #|||
            <cr>||||
            !
          !
        !
        mac|MAC algorithms|k/o/n||
          #|algorithm|lb/le/wa||
            hmac-sha1|HMAC-SHA1 (digest length = key length = 160 bits)||
            hmac-sha1-96|HMAC-SHA1-96 (digest length = 96 bits, key length = 160 bits)||
            hmac-sha2-256|HMAC-SHA2-256 (digest length = 256 bits, key length = 256 bits)||
            hmac-sha2-256-etm@openssh.com|HMAC-SHA2-256 encrypt then MAC||
            hmac-sha2-512|HMAC-SHA2-512 (digest length = 512 bits, key length = 512 bits)||
            hmac-sha2-512-etm@openssh.com|HMAC-SHA2-512 encrypt then MAC||
            hmac-md5|HMAC-MD5||
            hmac-md5-96|HMAC-MD5-96||
          #|||
            <cr>||||
            !
          !
        !
        kex|Key exchange algorithms|k/o/n||
          #|algorithm|lb/le/wa||
            curve25519-sha256|Curve25519 with SHA-256||
            curve25519-sha256@libssh.org|Curve25519 with SHA-256 (libssh)||
            diffie-hellman-group-exchange-sha1|Diffie-Hellman group exchange with SHA-1||
            diffie-hellman-group14-sha1|Diffie-Hellman group 14 with SHA-1||
            diffie-hellman-group14-sha256|Diffie-Hellman group 14 with SHA-256||
            diffie-hellman-group16-sha512|Diffie-Hellman group 16 with SHA-512||
            ecdh-sha2-nistp256|ECDH over NIST P-256 with SHA-256||
            ecdh-sha2-nistp384|ECDH over NIST P-384 with SHA-384||
            ecdh-sha2-nistp521|ECDH over NIST P-521 with SHA-512||
          #|||
            <cr>||||
            !
          !
        !
        hostkey|Host key algorithms|k/o/n||
          #|algorithm|lb/le/wa||
            ecdsa-sha2-nistp256|ECDSA with NIST P-256||
            ecdsa-sha2-nistp384|ECDSA with NIST P-384||
            ecdsa-sha2-nistp521|ECDSA with NIST P-521||
            rsa-sha2-256|RSA with SHA-256||
            rsa-sha2-512|RSA with SHA-512||
            ssh-rsa|RSA with SHA-1||
            x509v3-ecdsa-sha2-nistp256|X.509 ECDSA with NIST P-256||
            x509v3-rsa2048-sha256|X.509 RSA 2048 with SHA-256||
            x509v3-ssh-rsa|X.509 RSA||
          #|||
            <cr>||||
            !
          !
        !
        authentication|Authentication methods|k/o/n||
          #|method|lb/le/wa||
            keyboard|Keyboard-interactive authentication||
            password|Password authentication||
            publickey|Public key authentication||
          #|||
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
    queuemax|Maximum queue of outgoing TCP packets|k/o/n||
      <5-50>|Number of packets|||
        <cr>||||
        !
      !
    !
    selective-ack|Enable TCP selective-ACK|k||
      <cr>||||
      !
    !
    timestamp|Enable TCP timestamp option|k||
      <cr>||||
      !
    !
    window-size|TCP window size|k/o/n||
      <68-1073741823>|Window size in bytes|||
        <cr>||||
        !
      !
    !
    synwait-time|Set time to wait on new TCP connections|k/o/n||
      <5-300>|Wait time|||
        <cr>||||
        !
      !
    !
    path-mtu-discovery|Enable path-MTU discovery on new TCP connections|k/sb/o||
      <cr>||||
      !
      age-timer|Set PMTU aging timer|||
        <10-30>|Aging time in minutes|||
          <cr>||||
          !
        !
        infinite|Disable PMTU aging timer|||
          <cr>||||
          !
        !
      !
    !
    intercept|Enable TCP intercepting|k||
      list|Specify access-list to be used|k/o/n||
        #|access list|||
          <100-199>|Extended access list||
          <2000-2699>|Extended access list (expanded range)||
          word|Access list name||
        #|||
          <cr>||||
          !
        !
      !
      mode|Specify intercepting mode|k/o/n||
        #|mode|||
          intercept|Intercept connections||
          watch|Watch connections||
        #|||
          <cr>||||
          !
        !
      !
      drop-mode|Specify incomplete connection drop mode|k/o/n||
        #|mode|||
          oldest|Drop oldest connection||
          random|Drop random connection||
        #|||
          <cr>||||
          !
        !
      !
      #|timeout|k/o/n||
        watch-timeout|Specify timeout for incomplete connections in watch mode||
        finrst-timeout|Specify timeout for FIN/RST||
        connection-timeout|Specify timeout for connection info||
      #|||
        <1-2147483>|Timeout in seconds|||
          <cr>||||
          !
        !
      !
      #|threshold|k/o/n||
        max-incomplete|Specify maximum number of incomplete connections before clamping||
        one-minute|Specify one-minute-sample watermarks for clamping||
      #|||
        #|watermark|||
          high|Specify high-water mark||
          low|Specify low-water mark||
        #|||
          <1-2147483647>|Number of connections|||
            <cr>||||
            !
          !
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
  wccp|WCCP configuration commands|k||
    #|service|k/o/n||&wccp_opt.cfm
      web-cache|Standard web caching service||
      <0-254>|Dynamic service number||
    #|||
    !
    version|WCCP version|k/o/n||
      <1-2>|WCCP version number|||
        <cr>||||
        !
      !
    !
    source-interface|Interface whose address identifies the router|k/o/n||
      &interfacefile.cfm|Interface type|||
        <slot/port>|Interface number|||
          <cr>||||
          !
        !
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
    vrf|Configure static route for a VPN Routing/Forwarding instance|||
      word|VPN Routing/Forwarding instance name|k||
        word|IPv6 prefix x:x::y/<z>|k||&ipv6_route_nh.cfm
        !
      !
    !
    word|IPv6 prefix x:x::y/<z>|k||&ipv6_route_nh.cfm
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
      seq|sequence number of an entry|k||
        <1-4294967294>|Sequence number|k/o/n||
          #|action|||&ipv6_prefix_len_opt.cfm
            permit|Specify packets to forward||
            deny|Specify packets to reject||
          #|||
          !
        !
      !
      #|action|k||&ipv6_prefix_len_opt.cfm
        permit|Specify packets to forward||
        deny|Specify packets to reject||
      #|||
      !
      description|Prefix-list specific description|k/o/n||
        line|Up to 80 characters describing this prefix-list|lb/le/wa||
          <cr>||||
          !
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
    pool|Local prefix pool|k||
      word|Pool name|k/n||
        word|IPv6 prefix x:x::y/<z>|o/n||
          <1-128>|Prefix length to assign from the pool|||
            <cr>||||
            !
            shared|Shared pool|||
              <cr>||||
              !
            !
            cache-size|Cache size|||
              <1-65535>|Cached prefixes|||
                <cr>||||
                !
              !
            !
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
  dhcp|IPv6 DHCP configuration|k||
    pool|Configure IPv6 DHCP pool|k||
      word|Pool name|k/n||
        <cr>||||@(config-dhcpv6)# ipv6_dhcp_pool.cfm
        !
      !
    !
  !
  router|Enable an IPv6 routing process|k||
    ospf|Open Shortest Path First (OSPFv3)|k||
      <1-65535>|Process ID|k/n||
        <cr>||||@(config-rtr)# router_ospf.cfm
        !
      !
    !
    eigrp|Enhanced Interior Gateway Routing Protocol (EIGRP)|k||
      <1-65535>|Autonomous system number|k/n||
        <cr>||||@(config-rtr)# router_eigrp_v6.cfm
        !
      !
    !
  !
  hop-limit|Configure hop count limit|k/o/n||
    <1-255>|Hop limit|||
      <cr>||||
      !
    !
  !
  source-route|Process packets with source routing header options|k/o/sb||
    <cr>||||
    !
  !
  icmp|Configure ICMP parameters|k||
    error-interval|Configure ICMP error interval|k/o/n||
      <0-2147483647>|Interval between tokens in milliseconds|||
        <cr>||||
        !
        <1-200>|Bucket size|||
          <cr>||||
          !
        !
      !
    !
  !
  nd|IPv6 neighbor discovery|k||
    cache|Cache entry|k||
      expire|Expiry time for ND entries|k/o/n||
        <1-65536>|Expiry time (seconds)|||
          <cr>||||
          !
          refresh|Automatically refresh entries|||
            <cr>||||
            !
          !
        !
        refresh|Automatically refresh entries, default expiry time|||
          <cr>||||
          !
        !
      !
    !
  !
  general-prefix|Configure a general IPv6 prefix|k||
    word|General prefix name|k/n||
      word|General prefix x:x::y/<z>|o/n||
        <cr>||||
        !
      !
      #|derivation|o/n||
        6to4|Generate a 6to4 prefix from an interface||
        6rd|Generate a 6rd prefix from an interface||
      #|||
        &interfacefile.cfm|Interface type|||
          <slot/port>|Interface number|||
            <cr>||||
            !
          !
        !
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
    password-encrypt|Set a password for the configuration key|k/o/n||
      <cr>||||
      !
      word|The configuration key|||
        <cr>||||
        !
      !
    !
    <1-1>|Key number|k||
      word|The configuration key|o/n||
        <cr>||||
        !
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
kron|Command scheduler|k||
  policy-list|Kron policy list|k||
    word|Policy list name|k/n||
      <cr>||||@(config-kron-policy)# kron_policy.cfm
      !
      conditional|Stop the list at the first command that fails|||
        <cr>||||@(config-kron-policy)# kron_policy.cfm
        !
      !
    !
  !
  occurrence|Schedule a kron occurrence|k||
    word|Occurrence name|k/n||&kron_when.cfm
      user|User the occurrence runs as|||
        word|User name|||&kron_when.cfm
        !
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
  tunnel|Tunnel settings|k||
    cos|CoS of tunneled packets|k/o/n||
      <0-7>|CoS value|||
        <cr>||||
        !
      !
    !
  !
!
l2tp-class|L2TP class configuration|k||
  word|L2TP class name|k/n||
    <cr>||||@(config-l2tp-class)# l2tp_class.cfm
    !
  !
!
l2vpn|Layer 2 VPN|k||
  xconnect|Cross-connect|k||
    context|Cross-connect context|k||
      word|Context name|k/n||
        <cr>||||@(config-xconnect)# l2vpn_xconnect.cfm
        !
      !
    !
  !
!
lag|Link aggregation group|k||
  word|LAG name|k/n||
    #|type|||
      dynamic|Dynamic LAG (LACP)||
      static|Static LAG||
    #|||
      id|LAG identifier|||
        <1-65535>|LAG identifier|||
          <cr>||||@(config-lag)# lag.cfm
          !
        !
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
    transport|Smart licensing transport|k/o/n||
      #|transport|||
        automatic|Automatic transport||
        callhome|Call home transport||
        cslu|CSLU transport||
        off|No transport||
        smart|Smart transport||
      #|||
        <cr>||||
        !
      !
    !
    url|Smart licensing URL|k||
      #|url|k/o/n||
        default|Default URL||
        cslu|CSLU URL||
        smart|Smart URL||
      #|||
        <cr>||||
        !
        word|URL|||
          <cr>||||
          !
        !
      !
    !
  !
  boot|License boot settings|k||
    level|Boot level|k/o/n||
      word|Technology package level|||
        <cr>||||
        !
        addon|Add-on license level|||
          word|Add-on level|||
            <cr>||||
            !
          !
        !
      !
    !
    module|Module|k||
      word|Module name|k||
        technology-package|Technology package|k/o/n||
          word|Package name|||
            <cr>||||
            !
          !
        !
        level|Boot level|k/o/n||
          word|Level|||
            <cr>||||
            !
          !
        !
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
  #|||
    <0-0>|First Line number|k/n||
      <cr>||||@(config-line)# line.cfm
      !
    !
  !
  vty|Virtual terminal|k||
    <0-1869>|First Line number|k/n||
      <cr>||||@(config-line)# line.cfm
      !
      <1-1869>|Last Line number|k/n||
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
  <x/y/z>|Slot/Subslot/Port for Modems|k/n||
    <cr>||||@(config-line)# line.cfm
    !
    <x/y/z>|Slot/Subslot/Port for Modems|k/n||
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
  reinit|Delay (in sec) for LLDP initialization on any interface|k/o/n||
    <2-5>|Seconds|||
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
    xml|Enable logging in XML to XML logging buffer|k||
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
    !
  !
  console|Set console logging parameters|k/o/sb||
    <cr>||||
    !
    guaranteed|Guarantee console messages|k/o/sb||
      <cr>||||
      !
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
    xml|Enable logging in XML|k||
      <cr>||||
      !
      &loglevels.cfm|Logging severity level|||
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
    !
    string|Define a unique text string as ID|||
      line|The unique text string ID|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
  history|Configure syslog history table|k||
    &loglevels.cfm|Logging severity level|o/n||
      <cr>||||
      !
    !
    size|Set history table size|k/o/n||
      <0-500>|History size|||
        <cr>||||
        !
      !
    !
  !
  snmp-trap|Set syslog level for sending snmp trap|k/o/n||
    &loglevels.cfm|Logging severity level|||
      <cr>||||
      !
    !
  !
  message-counter|Configure log message to include certain counter value|k||
    #|counter|k/o/sb||
      debug|Count every debug message||
      log|Count every log message and send it to the configured destinations||
      syslog|Count every syslog message||
    #|||
      <cr>||||
      !
    !
  !
  filter|Specify a logging filter (an Embedded Syslog Manager script)|k||
    word|URL of the filter script|k/o/n||
      <cr>||||
      !
      args|Arguments passed to the filter script|||
        line|Filter arguments|lb/le/wa||
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
    <1-10000>|Messages per second|||
      <cr>||||
      !
      except|Messages of this severity or higher|||
        &loglevels.cfm|Logging severity level|||
          <cr>||||
          !
        !
      !
    !
    all|Rate limit all messages, including debug messages|||
      <1-10000>|Messages per second|||
        <cr>||||
        !
        except|Messages of this severity or higher|||
          &loglevels.cfm|Logging severity level|||
            <cr>||||
            !
          !
        !
      !
    !
    console|Rate limit only console messages|||
      <1-10000>|Messages per second|||
        <cr>||||
        !
        except|Messages of this severity or higher|||
          &loglevels.cfm|Logging severity level|||
            <cr>||||
            !
          !
        !
      !
      all|Rate limit all console messages|||
        <1-10000>|Messages per second|||
          <cr>||||
          !
        !
      !
    !
  !
  event|Global interface events|k||
    #|event|k/o/sb||
      link-status|Globally enable/disable link UPDOWN message||
      subif-link-status|Globally enable/disable sub-interface link UPDOWN message||
      trunk-status|Globally enable/disable trunk status message||
      bundle-status|Globally enable/disable bundle status message||
      spanning-tree|Globally enable/disable spanning tree message||
      power-inline-status|Globally enable/disable inline power message||
    #|||
      <cr>||||
      !
      #|scope|||
        default|Link UPDOWN messages for all interfaces||
        boot|Supress link UPDOWN messages during boot||
      #|||
        <cr>||||
        !
      !
    !
  !
  persistent|Set persistent logging parameters|k/o/n||&logging_persistent_opt.cfm
  !
  queue-limit|Set logger message queue size|k/o/n||
    <100-2147483647>|Queue size|||
      <cr>||||
      !
    !
    #|queue|||
      esm|Set ESM filter restrictions||
      trap|Set logger trap queue size||
    #|||
      <100-2147483647>|Queue size|||
        <cr>||||
        !
      !
    !
  !
  discriminator|Create or modify a message discriminator|k||
    word|discriminator name|k/o/n||&logging_discriminator_opt.cfm
    !
  !
  alarm|Configure syslog for alarms|k/o/n||
    #|severity|||
      <1-4>|Alarm severity||
      critical|Service affecting condition||
      informational|Informational messages||
      major|Immediate action needed||
      minor|Minor warning conditions||
    #|||
      <cr>||||
      !
    !
  !
  esm|Set ESM filter restrictions|k||
    config|Permit configuration changes from ESM filters|k||
      <cr>||||
      !
    !
  !
  cns-events|Set CNS Event logging level|k/o/n||
    &loglevels.cfm|Logging severity level|||
      <cr>||||
      !
    !
  !
  delimiter|Append delimiter to syslog messages|k||
    tcp|Append delimiter to syslog messages over TCP|k||
      <cr>||||
      !
    !
  !
  exception|Limit size of exception flush output|k/o/n||
    <4096-2147483647>|Size of the exception log in bytes|||
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
  access-list|MAC access list|k||
    extended|Extended MAC access list|k||
      word|Access list name|k/n||
        <cr>||||@(config-ext-macl)# mac_acl.cfm
        !
      !
    !
  !
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
      h.h.h|48 bit mac address|k||
        vlan|VLAN keyword|k||
          <1-4094>|VLAN id|k/n||
            interface|Interface|o/n||
              &interfacefile.cfm|Interface type|||
                <slot/port>|Interface number|lb/le/m||
                  <cr>||||
                  !
                !
              !
            !
            drop|Drop packets with this destination|o/n||
              <cr>||||
              !
            !
          !
        !
      !
    !
    notification|MAC address table notifications|k||
      #|notification|k/o/sb||
        change|Enable MAC notification on change||
        mac-move|Enable MAC move notification||
      #|||
        <cr>||||
        !
        #|parameter|k/o/n||
          history-size|Number of entries in the history table||
          interval|Interval between notifications||
        #|||
          <0-2147483647>|Value|||
            <cr>||||
            !
          !
        !
      !
      threshold|MAC table usage threshold|k/o/sb||
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
!
memory-size|Adjust memory size by percentage|k||
  iomem|I/O memory size as a percentage of DRAM|k/o/n||
    #|I/O memory percentage|||
      5|5 percent||
      10|10 percent||
      15|15 percent||
      20|20 percent||
      25|25 percent||
      30|30 percent||
      40|40 percent||
      50|50 percent||
    #|||
      <cr>||||
      !
    !
  !
!
mirror|Mirroring|k||
  location|Mirror location|k/o/n||
    word|Node|||
      word|Primary device|||
        <cr>||||
        !
        word|Secondary device|||
          <cr>||||
          !
        !
      !
    !
  !
!
mgcp|Media Gateway Control Protocol|k||
  // "mgcp" alone starts the MGCP daemon.
  <cr>||||
  !
  behavior|MGCP behaviour settings|k||
    rsip-range|Which RSIP range messages to send|k/o/n||
      #|range|||
        tgcp-only|Only for TGCP||
        all|For all MGCP variants||
      #|||
        <cr>||||
        !
      !
    !
    comedia-role|Role in connection-oriented media|k/o/n||
      #|role|||
        active|Active end||
        passive|Passive end||
        none|No role||
      #|||
        <cr>||||
        !
      !
    !
    #|comedia check|k/o/n||
      comedia-check-media-src|Check the media source of comedia calls||
      comedia-sdp-force|Force the comedia attribute into SDP||
    #|||
      #|state|||
        enable|Enable||
        disable|Disable||
      #|||
        <cr>||||
        !
      !
    !
  !
  profile|MGCP profile|k||
    word|Profile name (default is the default profile)|k/n||
      <cr>||||@(config-mgcp-profile)# mgcp_profile.cfm
      !
    !
  !
!
mls|Multilayer switching|k||
  qos|Enable QoS globally|k/o/sb||
    <cr>||||
    !
    map|QoS maps|k||
      #|map|k/o/n||
        cos-dscp|CoS to DSCP map||
        ip-prec-dscp|IP precedence to DSCP map||
      #|||
        <0-63>|DSCP values|lb/le/wa||
          <cr>||||
          !
        !
      !
    !
    rewrite|QoS rewrite|k||
      ip|IP|k||
        dscp|DSCP|k/o/sb||
          <cr>||||
          !
        !
      !
    !
  !
  aging|Aging settings|k||
    #|aging|k/o/n||
      fast|Fast aging||
      long|Long aging||
      normal|Normal aging||
    #|||
      <cr>||||
      !
      <8-2000>|Seconds|||
        <cr>||||
        !
      !
      time|Aging time|||
        <1-128>|Seconds|||
          <cr>||||
          !
          threshold|Packet threshold|||
            <1-128>|Packets|||
              <cr>||||
              !
            !
          !
        !
      !
    !
  !
  rate-limit|Rate limiters|k||
    unicast|Unicast rate limiters|k||
      ip|IP rate limiters|k||
        icmp|ICMP rate limiters|k||
          unreachable|ICMP unreachables|k||
            #|case|k/o/n||
              acl-drop|ACL drops||
              no-route|No route||
            #|||
              <0-1000000>|Packets per second|||
                <cr>||||
                !
                <1-255>|Burst|||
                  <cr>||||
                  !
                !
              !
            !
          !
        !
      !
    !
    #|limiter|k/o/n||
      capture|Capture rate limiter||
      all|All packets||
    #|||
      <0-1000000>|Packets per second|||
        <cr>||||
        !
        <1-255>|Burst|||
          <cr>||||
          !
        !
      !
    !
  !
  netflow|Netflow|k/o/sb||
    <cr>||||
    !
    interface|Per interface netflow|k/o/sb||
      <cr>||||
      !
    !
    usage|Netflow usage|k||
      notify|Notify above a threshold|k/o/n||
        <20-100>|Percent|||
          <120-1000000>|Seconds|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  nde|Netflow data export|k||
    sender|Send netflow data|k/o/sb||
      <cr>||||
      !
      version|Export version|||
        #|version|||
          5|Version 5||
          7|Version 7||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
  flow|Flow mask|k||
    #|protocol|k||
      ip|IP flows||
      ipv6|IPv6 flows||
    #|||
      #|mask|k/o/n||
        destination|Destination only||
        destination-source|Destination and source||
        interface-destination-source|Interface, destination and source||
        interface-full|Interface and full flow||
        full|Full flow||
        source|Source only||
      #|||
        <cr>||||
        !
      !
    !
  !
  exclude|Exclude from netflow|k||
    acl-deny|Packets denied by an ACL|k/o/sb||
      <cr>||||
      !
    !
  !
  cef|CEF settings|k||
    error|Error handling|k||
      action|Action on error|k/o/n||
        #|action|||
          freeze|Freeze||
          reset|Reset||
        #|||
          <cr>||||
          !
        !
      !
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
    word|VPI/VCI|||
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
    <1-66>|SPAN session number|k||
      source|SPAN source interface, VLAN|k||&monitor_source.cfm
      !
      destination|SPAN destination interface or VLAN|k||
        interface|SPAN destination interface|k||
          &interfacefile.cfm|Interface type|k||
            <slot/port>|Interface number|k/n||
              <cr>||||
              !
              encapsulation|Set encapsulation for destination interface|o/n||
                #|encapsulation|||
                  replicate|Replicate the source encapsulation||
                  dot1q|Use dot1q encapsulation||
                  isl|Use ISL encapsulation||
                #|||
                  <cr>||||
                  !
                !
              !
              ingress|Enable ingress traffic forwarding|o/n||
                #|encapsulation|||
                  dot1q|Use dot1q encapsulation||
                  untagged|Untagged ingress packets||
                #|||
                  vlan|Ingress VLAN|||
                    <1-4094>|VLAN|||
                      <cr>||||
                      !
                    !
                  !
                !
              !
            !
          !
        !
        remote|SPAN destination remote|k||
          vlan|Remote SPAN destination VLAN|k||
            <1-4094>|Remote SPAN destination VLAN|k/n||
              <cr>||||
              !
            !
          !
        !
      !
      filter|SPAN filter|k||
        vlan|SPAN filter VLAN|k||
          word|VLAN list|k/n||
            <cr>||||
            !
          !
        !
      !
      type|Type of SPAN session|k/o/n||
        #|type|||
          local|Local SPAN session||
          rspan-source|RSPAN source session||
          rspan-destination|RSPAN destination session||
          erspan-source|ERSPAN source session||
          erspan-destination|ERSPAN destination session||
        #|||
          <cr>||||
          !
        !
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
  label|Label properties|k||
    protocol|Set platform default label distribution protocol|k/o/n||
      #|protocol|||
        ldp|Use LDP||
        tdp|Use TDP||
      #|||
        <cr>||||
        !
      !
    !
    range|Label range|k/o/n||
      <16-1048575>|Minimum label value|||
        <16-1048575>|Maximum label value|||
          <cr>||||
          !
        !
      !
    !
  !
  ldp|Label Distribution Protocol|k||
    router-id|Select interface for LDP router id|k/o/n||
      &interfacefile.cfm|Interface type|||
        <slot/port>|Interface number|||
          <cr>||||
          !
          force|Force the router id|||
            <cr>||||
            !
          !
        !
      !
    !
    password|Password settings|k||
      required|Require passwords|k/o/n||
        <cr>||||
        !
        for|Peers that require passwords|||
          word|Access list name or number|||
            <cr>||||
            !
          !
        !
      !
    !
    graceful-restart|Enable graceful restart|k/o/sb||
      <cr>||||
      !
    !
    explicit-null|Advertise explicit null|k/o/sb||
      <cr>||||
      !
    !
    session|Session settings|k||
      protection|Session protection|k/o/sb||
        <cr>||||
        !
      !
    !
    logging|LDP logging|k||
      neighbor-changes|Log neighbor changes|k/o/sb||
        <cr>||||
        !
      !
    !
    neighbor|Configure neighbor parameters|k||
      a.b.c.d|IP address for LDP neighbor|k||
        password|Enable the use of a password|k/o/n||
          #|encryption|||
            0|Specifies an UNENCRYPTED password will follow||
            7|Specifies a HIDDEN password will follow||
          #|||
            word|The password|||
              <cr>||||
              !
            !
          !
          word|The UNENCRYPTED (cleartext) password|||
            <cr>||||
            !
          !
        !
        targeted|Establish a targeted session|k/o/sb||
          <cr>||||
          !
          ldp|Use LDP|k||
            <cr>||||
            !
          !
        !
      !
    !
    discovery|Configure LDP discovery parameters|k||
      targeted-hello|LDP targeted hello parameters|k||
        accept|Accept targeted hellos|k/o/n||
          <cr>||||
          !
          from|Access list of permitted neighbors|||
            word|IP access list name or number|||
              <cr>||||
              !
            !
          !
        !
      !
      hello|LDP discovery hello parameters|k||
        #|timer|k/o/n||
          holdtime|LDP discovery hello holdtime||
          interval|LDP discovery hello interval||
        #|||
          <1-65535>|Seconds|||
            <cr>||||
            !
          !
        !
      !
    !
    label|Configure label binding and advertisement|k||
      <cr>||||@(config-ldp-lbl)# mpls_ldp_label.cfm
      !
    !
    igp|LDP-IGP interaction|k||
      sync|LDP-IGP synchronization|k||
        holddown|Time the IGP waits for LDP synchronization|k/o/n||
          <1-2147483647>|Milliseconds|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  ip|Dynamic MPLS forwarding for IP|k/o/sb||
    <cr>||||
    !
    propagate-ttl|Propagate IP TTL into the label stack|k/o/sb||
      <cr>||||
      !
      #|traffic|||
        forwarded|Propagate IP TTL for forwarded traffic||
        local|Propagate IP TTL for locally originated traffic||
      #|||
        <cr>||||
        !
      !
    !
  !
  strip|Strip MPLS labels|k/o/sb||
    <cr>||||
    !
  !
  traffic-eng|Traffic engineering|k||
    tunnels|Enable traffic engineering tunnels|k/o/sb||
      <cr>||||
      !
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
  ssh|NETCONF over SSH|k/o/sb||
    <cr>||||
    !
    acl|Access list for NETCONF sessions|||
      <1-1000>|Access list number|||
        <cr>||||
        !
      !
    !
  !
!
netconf-yang|Configure NETCONF over YANG|k/o/sb||
  <cr>||||
  !
  feature|NETCONF-YANG features|k||
    candidate-datastore|Enable the candidate datastore|k/o/sb||
      <cr>||||
      !
    !
  !
  ssh|SSH settings|k||
    port|SSH port|k/o/n||
      <1-65535>|Port number|||
        <cr>||||
        !
      !
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
      #|algorithm|||
        md5|MD5 authentication||
        cmac-aes-128|CMAC AES 128 authentication||
        hmac-sha1|HMAC SHA1 authentication||
        hmac-sha2-256|HMAC SHA2 256 authentication||
      #|||
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
    <1-65535>|Key number|k/n||
      <cr>||||
      !
      -|Specify a range of key numbers|||
        <1-65535>|Last key number|||
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
  max-associations|Set maximum number of associations|k/o/n||
    <0-4294967295>|Number of associations|||
      <cr>||||
      !
    !
  !
  clock-period|Length of hardware clock tick|k/o/n||
    <0-4294967295>|Hardware clock tick length in 2^-32 seconds|||
      <cr>||||
      !
    !
  !
  orphan|Orphan mode stratum|k/o/n||
    <1-16>|Stratum number|||
      <cr>||||
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
  protocol|protocol group (firewall style)|k||
    word|object group name|k/n||
      <cr>||||@(config-protocol-group)# object_group_protocol.cfm
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
    port|Port group|k||
      word|object group name|k/n||
        <cr>||||@(config-port-ogroup)# object_group_port.cfm
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
parameter-map|Configure a parameter map|k||
  type|Type of the parameter map|k||
    inspect|Parameters of inspection|k||
      global|The global inspect parameter map|k||
        <cr>||||@(config-profile)# parameter_map_firewall.cfm
        !
      !
      default|The default inspect parameter map|k||
        <cr>||||@(config-profile)# parameter_map_firewall.cfm
        !
      !
      word|Parameter map name|k/n||
        <cr>||||@(config-profile)# parameter_map_firewall.cfm
        !
      !
    !
    inspect-global|The global inspect parameter map|k||
      <cr>||||@(config-profile)# parameter_map_firewall.cfm
      !
    !
    regex|Regular expression map|k||
      word|Parameter map name|k/n||
        <cr>||||@(config-profile)# parameter_map_regex.cfm
        !
      !
    !
  !
!
password-policy|Password policy|k||
  minimum-length|Minimum password length|k/o/n||
    <1-127>|Length|||
      <cr>||||
      !
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
  console|Console settings|k/o/n||
    #|console|||
      auto|Console chosen automatically||
      serial|Serial console||
      virtual|Virtual console||
    #|||
      <cr>||||
      !
    !
  !
  punt-keepalive|Punt keepalive settings|k||
    disable-kernel-core|Disable the kernel core dump|k/o/sb||
      <cr>||||
      !
    !
    settings|Keepalive settings|k||
      #|setting|k/o/n||
        fatal-count|Fatal count||
        transmit-interval|Transmit interval||
        warning-count|Warning count||
      #|||
        <1-4294967295>|Value|||
          <cr>||||
          !
        !
      !
    !
  !
  qfp|Quantum flow processor|k||
    utilization|Utilization|k||
      monitor|Monitor|k||
        load|Load threshold|k/o/n||
          <1-100>|Percent|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  qos|Platform QoS|k||
    match-statistics|Match statistics|k||
      per-filter|Per filter|k/o/sb||
        <cr>||||
        !
      !
    !
    marker-statistics|Marker statistics|k/o/sb||
      <cr>||||
      !
    !
  !
  tcam-threshold|TCAM threshold|k||
    alarm-frequency|Alarm frequency|k/o/n||
      <0-4294967295>|Value|||
        <cr>||||
        !
      !
    !
  !
  tcam-parity-error|TCAM parity error handling|k||
    enable|Enable|k/o/sb||
      <cr>||||
      !
    !
  !
  xconnect|Xconnect|k||
    load-balance-hash-algo|Load balancing hash algorithm|k/o/n||
      word|Algorithm|||
        <cr>||||
        !
      !
    !
  !
  bfd-debug-trace|BFD debug trace|k/o/n||
    <0-4294967295>|Value|||
      <cr>||||
      !
    !
  !
  ipsec|IPsec|k||
    llq|LLQ|k||
      qos|QoS|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  hardware|Hardware|k||
    throughput|Throughput|k||
      level|Level|k/o/n||
        word|Throughput level|||
          <cr>||||
          !
        !
      !
    !
  !
!
poap|Power on auto provisioning|k||
  transit|Transit mode|k/o/sb||
    <cr>||||
    !
  !
!
pool|Address pool|k||
  vrf|VRF of the pool|k||
    word|VRF name|k||
      #|address family|k||
        ipv4|IPv4 pool||
        ipv6|IPv6 pool||
      #|||
        word|Pool name|k/n||
          <cr>||||@(config-pool)# address_pool.cfm
          !
        !
      !
    !
  !
!
port-channel|EtherChannel configuration|k||
  load-balance|EtherChannel load-balancing method|k/o/n||
    #|method|||
      dst-ip|Destination IP address||
      dst-mac|Destination MAC address||
      dst-mixed-ip-port|Destination IP address and TCP/UDP port||
      dst-port|Destination TCP/UDP port||
      extended|Extended load-balancing methods||
      src-dst-ip|Source and destination IP address||
      src-dst-mac|Source and destination MAC address||
      src-dst-mixed-ip-port|Source and destination IP address and TCP/UDP port||
      src-dst-port|Source and destination TCP/UDP port||
      src-ip|Source IP address||
      src-mac|Source MAC address||
      src-mixed-ip-port|Source IP address and TCP/UDP port||
      src-port|Source TCP/UDP port||
    #|||
      <cr>||||
      !
    !
  !
!
port-profile|Port profile|k||
  default|Default profile|k||
    max-ports|Maximum ports|k/o/n||
      <1-1024>|Number of ports|||
        <cr>||||
        !
      !
    !
  !
!
power-mgr|Power manager|k||
  disable|Disable the power manager|k/o/sb||
    <cr>||||
    !
  !
!
prefix-list|Prefix list (firewall style)|k||
  word|Prefix list name|k/n||
    seq|sequence number of an entry|k||
      <1-4294967294>|Sequence number|k/o/n||
        #|action|||
          permit|Specify packets to forward||
          deny|Specify packets to reject||
        #|||
          a.b.c.d/<1-32>|IP prefix <network>/<length>|n||&prefix_len_opt.cfm
          !
        !
      !
    !
    <1-4294967294>|Sequence number|k/o/n||
      #|action|||
        permit|Specify packets to forward||
        deny|Specify packets to reject||
      #|||
        a.b.c.d/<1-32>|IP prefix <network>/<length>|n||&prefix_len_opt.cfm
        !
      !
    !
    description|Prefix-list description|k/o/n||
      line|Description|lb/le/wa||
        <cr>||||
        !
      !
    !
  !
!
privilege|Command privilege parameters|k||
  #|mode|k||&privilege_cmd.cfm
    configure|Global configuration mode||
    exec|Exec mode||
    interface|Interface configuration mode||
    router|Router configuration mode||
    crypto-map|Crypto map configuration mode||
    ipenacl|IP named extended access list mode||
    ipsnacl|IP named standard access list mode||
    route-map|Route map configuration mode||
  #|||
  !
  &cmd_line.cfm|Line configuration mode|k||&privilege_cmd.cfm
  !
!
process|Configure process|k||
  cpu|Configure CPU parameters|k||
    threshold|Set the CPU utilization thresholds|k||
      type|Type of CPU utilization|k||
        #|type|k/o/n||
          total|Total CPU utilization||
          process|CPU utilization at the process level||
          interrupt|CPU utilization at the interrupt level||
        #|||
          rising|Rising threshold|||
            <1-100>|Percentage of CPU utilization|||
              interval|Rising threshold interval|||
                <5-86400>|Seconds|||
                  <cr>||||
                  !
                  falling|Falling threshold|||
                    <1-100>|Percentage of CPU utilization|||
                      interval|Falling threshold interval|||
                        <5-86400>|Seconds|||
                          <cr>||||
                          !
                        !
                      !
                    !
                  !
                !
              !
            !
          !
        !
      !
    !
    statistics|Set CPU statistics collection parameters|k||
      limit|Limit the statistics collected|k||
        entry-percentage|Minimum CPU usage of a process to be recorded|k/o/n||
          <1-100>|Percentage of CPU utilization|||
            <cr>||||
            !
            size|Number of seconds the entries are kept|||
              <5-86400>|Seconds|||
                <cr>||||
                !
              !
            !
          !
        !
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
// Catalyst 3850: wireless traffic is untrusted by default (the device
// writes the line when the default is in force).
qos|Global QoS settings|k||
  wireless-default-untrust|Untrust the markings of wireless traffic by default|k||
    <cr>||||
    !
  !
!
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
  host|Specify a RADIUS server|k||
    hostname or a.b.c.d|IP address of RADIUS server|k/o/n||&radius_host_opt.cfm
    !
  !
  key|Set RADIUS encryption key|k/o/n||
    <0-7>|Encryption type|||
      word|The encryption key|||
        <cr>||||
        !
      !
    !
    word|The encryption key|||
      <cr>||||
      !
    !
  !
  timeout|Time to wait for a RADIUS server to reply|k/o/n||
    <1-1000>|Wait time|||
      <cr>||||
      !
    !
  !
  retransmit|Number of times to retransmit|k/o/n||
    <0-100>|Number of retries|||
      <cr>||||
      !
    !
  !
  deadtime|Time to stop using a server that does not respond|k/o/n||
    <0-1440>|Minutes|||
      <cr>||||
      !
    !
  !
  dead-criteria|Set the criteria used to decide when a radius server is dead|k/o/n||
    <cr>||||
    !
    time|The time during which no responses are seen|||
      <1-120>|Seconds|||
        <cr>||||
        !
        tries|The number of times a transaction may be retransmitted|||
          <1-100>|Tries|||
            <cr>||||
            !
          !
        !
      !
    !
    tries|The number of times a transaction may be retransmitted|||
      <1-100>|Tries|||
        <cr>||||
        !
      !
    !
  !
  attribute|Customize selected radius attributes|k||
    <1-255>|Attribute number|k||
      // each of these is a line of its own: attribute 6 on-for-login-auth and attribute 6 support-multiple
      #|attribute handling|k||
        on-for-login-auth|Send the attribute in authentication packets||
        include-in-access-req|Send the attribute in access-request packets||
        include-in-accounting-req|Send the attribute in accounting-request packets||
        support-multiple|Support multiple values of the attribute||
        mandatory|The attribute must be present in access-accept packets||
      #|||
        <cr>||||
        !
      !
      access-request|Access-request packets|k||
        include|Include the attribute|k||
          <cr>||||
          !
        !
      !
      mac|MAC address based calling station id|k||
        format|MAC address format|k/o/n||
          ietf|IETF format 00-00-40-96-3E-4A|||
            <cr>||||
            !
            #|case|||
              lower-case|Lower case letters||
              upper-case|Upper case letters||
            #|||
              <cr>||||
              !
            !
          !
        !
      !
      send|Send the calling station id|k||
        nas-port-detail|Send the NAS port details|k/o/n||
          <cr>||||
          !
          mac-only|Only the MAC address of the client|||
            <cr>||||
            !
          !
        !
      !
      default|Attribute defaults|k||
        direction|Default direction of the filters|k/o/n||
          #|direction|||
            inbound|Inbound||
            outbound|Outbound||
          #|||
            <cr>||||
            !
          !
        !
      !
      a.b.c.d|Address sent as attribute 4|o/n||
        <cr>||||
        !
      !
    !
    nas-port|NAS-Port attribute|k||
      format|Format|k/o/n||
        word|Format|||
          <cr>||||
          !
        !
      !
    !
  !
  vsa|Vendor specific attribute configuration|k||
    send|Send vendor-specific attributes in requests|k/o/sb||
      <cr>||||
      !
      #|kind|||
        accounting|Send in accounting requests||
        authentication|Send in authentication requests||
      #|||
        <cr>||||
        !
      !
    !
  !
  source-ports|Source ports used for sending out RADIUS requests|k||
    extended|Use extended source ports|k/o/sb||
      <cr>||||
      !
    !
  !
  load-balance|Radius load-balancing|k||
    method|Method|k||
      least-outstanding|Least outstanding|k/o/sb||
        <cr>||||
        !
      !
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
      <cr>||||&router_ospf.cfm @(config-router)# router_ospfv3.cfm
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
    <1.0-65535.65535>|Autonomous system number in asdot notation|k/n||
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
  mgmtethernet|Management ethernet|k||
    forwarding|Forward on the management port|k/o/sb||
      <cr>||||
      !
    !
  !
!
rx-cos-slot|Receive CoS slot|k||
  #|slot|k||
    all|All slots||
    <1-16>|Slot number||
  #|||
    word|Queue map name|o/n||
      <cr>||||
      !
    !
  !
!

// ---- s ----
sap|SAP settings|k||
  cache-timeout|Cache timeout|k/o/n||
    <1-1440>|Minutes|||
      <cr>||||
      !
    !
  !
!
schedule|Scheduler settings|k||
  tech-support|Tech support collection|k/o/sb||
    <cr>||||
    !
  !
!
scheduler|Scheduler parameters|k||
  allocate|Guarantee CPU time for processes|k/o/sb||
    <cr>||||
    !
    <3000-60000>|Microseconds handling network interrupts|||
      <1000-8000>|Microseconds running processes|||
        <cr>||||
        !
      !
    !
  !
  interval|Maximum interval between process runs|k/o/n||
    <500-4294967295>|Milliseconds|||
      <cr>||||
      !
    !
  !
  max-task-time|Maximum task time|k/o/n||
    <1-4294967295>|Milliseconds|||
      <cr>||||
      !
    !
  !
!
sdm|Switch database management|k||
  prefer|Configure SDM template|k/o/n||
    #|template|||
      access|Access template||
      advanced|Advanced template||
      core|Core template||
      default|Default template||
      distribution|Distribution template||
      dual-ipv4-and-ipv6|Dual IPv4 and IPv6 template||
      lanbase-routing|LAN base routing template||
      nat|NAT template||
      routing|Routing template||
      sda|SD-Access template||
      vlan|VLAN template||
    #|||
      <cr>||||
      !
      #|variant|||
        default|Default variant||
        routing|Routing variant||
        vlan|VLAN variant||
      #|||
        <cr>||||
        !
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
  authentication|Authentication security parameters|k||
    failure|Authentication failure parameters|k||
      rate|Authentication failure threshold rate|k/o/n||
        <2-1024>|Number of failures per minute|||
          <cr>||||
          !
          log|Log a message when the rate is exceeded|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
sensor|Sensor settings|k||
  fanspeed-control|Fan speed control|k/o/n||
    #|state|||
      on|Enable fan speed control||
      off|Disable fan speed control||
    #|||
      <cr>||||
      !
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
    max|Maximum|k||
      age|Maximum age of counters|k/o/n||
        <0-60>|Minutes|||
          <cr>||||
          !
        !
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
      owner|Owner of the expression|k||
        word|Owner name|k||
          name|Name of the expression|k||
            word|Expression name|k/n||
              <cr>||||@(config-expression)# snmp_mib_expression.cfm
              !
            !
          !
        !
      !
    !
    persist|Persist MIB data|k||
      #|MIB|k/o/sb||
        cbqos|Class-based QoS MIB||
        circuit|Circuit MIB||
        event|Event MIB||
      #|||
        <cr>||||
        !
      !
    !
    bulkstat|Bulk statistics|k/o/sb||
      <cr>||||
      !
    !
  !
  ifmib|Interface MIB settings|k||
    ifindex|Interface index|k||
      persist|Persist interface indices|k/o/sb||
        <cr>||||
        !
      !
    !
    ifalias|Interface alias|k||
      long|Long interface aliases|k/o/sb||
        <cr>||||
        !
      !
    !
    trap|Trap settings|k||
      longdesc|Long descriptions in traps|k/o/sb||
        <cr>||||
        !
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
        <1300-1999>|Expanded IP accesslist allowing access with this community string|||
          <cr>||||
          !
        !
        word|Access-list name|||
          <cr>||||
          !
        !
        ipv6|Specify IPv6 Named Access-List|||
          word|IPv6 access list name|||
            <cr>||||
            !
            <1-99>|Std IP accesslist allowing access with this community string|||
              <cr>||||
              !
            !
            <1300-1999>|Expanded IP accesslist allowing access with this community string|||
              <cr>||||
              !
            !
            word|Access-list name|||
              <cr>||||
              !
            !
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
    traps|Enable SNMP Traps|k/n||&snmp_traps_enable.cfm
      <cr>||||
      !
    !
    informs|Enable SNMP Informs|k/n||
      <cr>||||
      !
    !
  !
  host|Specify hosts to receive SNMP notifications|k||
    hostname or a.b.c.d|IP address of SNMP notification host|k/o/n||&snmp_host1.cfm
    !
  !
  group|Define a User Security Model group|k||
    word|Name of the group|k||
      #|security model|k/o/n||&snmp_group_opt.cfm
        v1|group using the v1 security model||
        v2c|group using the v2c security model||
      #|||
      !
      v3|group using the User Security Model (SNMPv3)|k/o/n||&snmp_group_opt.cfm
        #|security level|||&snmp_group_opt.cfm
          auth|group using the authNoPriv Security Level||
          noauth|group using the noAuthNoPriv Security Level||
          priv|group using SNMPv3 authPriv security level||
        #|||
        !
      !
    !
  !
  user|Define a user who can access the SNMP engine|k||
    word|Name of the user|k||
      word|Group to which the user belongs|o/n||
        #|security model|||&snmp_user_access.cfm
          v1|user using the v1 security model||
          v2c|user using the v2c security model||
        #|||
        !
        v3|user using the v3 security model|||&snmp_user_v3.cfm
          encrypted|specifying passwords as MD5 or SHA digests|||&snmp_user_v3.cfm
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
    local|engineID of the local agent|k/o/n||
      word|engine ID octet string (hexadecimal)|||
        <cr>||||
        !
      !
    !
    remote|engineID of the remote agent|k||
      hostname or a.b.c.d|IP address of remote SNMP notification host|k||
        udp-port|The remote SNMP notification host's UDP port number|||
          <0-65535>|The remote SNMP notification host's UDP port number|k||
            word|engine ID octet string (hexadecimal)|o/n||
              <cr>||||
              !
            !
          !
        !
        vrf|The remote notification host's VPN routing instance|||
          word|VPN Routing instance name|k||
            word|engine ID octet string (hexadecimal)|o/n||
              <cr>||||
              !
            !
          !
        !
        word|engine ID octet string (hexadecimal)|o/n||
          <cr>||||
          !
        !
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
    link|Set format of the linkUp and linkDown traps|k||
      #|format|k/o/sb||
        ietf|Use IETF standard for SNMP traps||
        cisco|Use Cisco format for SNMP traps||
      #|||
        <cr>||||
        !
      !
    !
    authentication|Authentication trap options|k||
      vrf|Authentication traps for VRF context failures|k/o/sb||
        <cr>||||
        !
      !
    !
    retry|Retry count for traps|k/o/n||
      <1-10>|Retries|||
        <cr>||||
        !
      !
    !
    timeout|Timeout for traps|k/o/n||
      <1-1000>|Seconds|||
        <cr>||||
        !
      !
    !
  !
  manager|Modify SNMP manager parameters|k||
    <cr>||||
    !
  !
  file-transfer|File transfer settings|k||
    access-group|Access control for file transfers|k/o/n||
      #|access list|||
        <1-99>|Std IP accesslist||
        word|Access-list name||
      #|||
        <cr>||||
        !
        protocol|Protocol the access list applies to|||
          #|protocol|||
            ftp|FTP||
            rcp|RCP||
            scp|SCP||
            sftp|SFTP||
            tftp|TFTP||
          #|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  trap-timeout|Set timeout for TRAP message retransmissions|k/o/n||
    <1-1000>|Timeout (seconds)|||
      <cr>||||
      !
    !
  !
  inform|Configure SNMP Informs options|k/o/n||&snmp_inform_opt.cfm
  !
  tftp-server-list|Limit TFTP servers used via SNMP|k/o/n||
    <1-99>|Std IP accesslist|||
      <cr>||||
      !
    !
    word|Access-list name|||
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
    #|state|||
      enable|Enable automatic upgrades||
      disable|Disable automatic upgrades||
    #|||
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
    #|||
      default|Enable by default on all portfast ports|k||
        <cr>||||
        !
      !
    !
    default|Enable portfast by default on all access ports|k||
      <cr>||||
      !
    !
    #|port type|k||
      edge|Enable portfast edge by default||
      network|Enable portfast network by default||
      normal|Enable portfast normal by default||
    #|||
      default|Enable by default on all ports of this type|k||
        <cr>||||
        !
      !
      #|default option|k||
        bpduguard|Enable portfast edge bpdu guard by default||
        bpdufilter|Enable portfast edge bpdu filter by default||
      #|||
        default|Enable by default on all portfast edge ports|k||
          <cr>||||
          !
        !
      !
    !
  !
  vlan|VLAN Switch Spanning Tree|k||
    word|vlan range, example: 1,3-5,7,9-11|k/n||&stp_vlan_opt.cfm
      <cr>||||
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
    guard|Configure guard features for etherchannel|k||
      misconfig|Enable guard to protect against etherchannel misconfiguration|k/sn||
        <cr>||||
        !
      !
    !
  !
  mst|Multiple spanning tree configuration|k||
    configuration|Enter MST configuration submode|k||
      <cr>||||@(config-mst)# spanning_tree_mst.cfm
      !
    !
    #|timer|k/o/n||
      hello-time|Set the hello interval for all MST instances||
    #|||
      <1-10>|number of seconds between generation of config BPDUs|||
        <cr>||||
        !
      !
    !
    forward-time|Set the forward delay for the spanning tree|k/o/n||
      <4-30>|number of seconds for the forward delay timer|||
        <cr>||||
        !
      !
    !
    max-age|Set the max age interval for the spanning tree|k/o/n||
      <6-40>|maximum number of seconds the information in a BPDU is valid|||
        <cr>||||
        !
      !
    !
    max-hops|Set the max hops value for the spanning tree|k/o/n||
      <1-255>|maximum number of hops a BPDU is valid|||
        <cr>||||
        !
      !
    !
    simulate|Enable or disable PVST simulation|k||
      pvst|Enable or disable PVST simulation|k||
        global|Global PVST simulation|k/o/sb||
          <cr>||||
          !
        !
      !
    !
    word|MST instance range, example: 0-3,5,7-9|k/n||&stp_vlan_opt.cfm
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
  uplinkfast|Enable UplinkFast Feature|k/o/n||
    <cr>||||
    !
    max-update-rate|Rate at which station address updates are sent|k/o/n||
      <0-32000>|Maximum number of update packets per second|||
        <cr>||||
        !
      !
    !
  !
  backbonefast|Enable BackboneFast Feature|k||
    <cr>||||
    !
  !
  bridge|STP Bridge Assurance|k||
    assurance|Enable STP Bridge Assurance on all network ports|k/o/sb||
      <cr>||||
      !
    !
  !
  dispute|Enable STP dispute mechanism|k/o/sb||
    <cr>||||
    !
  !
  transmit|STP transmit parameters|k||
    hold-count|Set the transmit hold count|k/o/n||
      <1-20>|Transmit hold count|||
        <cr>||||
        !
      !
    !
  !
!
subscriber|Subscriber configuration|k||
  templating|Enable subscriber templating|k||
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
  access|Access mode characteristics|k||
    vlan|VLAN when in access mode|k/o/n||
      <1-4094>|VLAN ID|||
        <cr>||||
        !
      !
    !
  !
!

// ---- t ----
system|System settings|k||
  mtu|Set the system MTU|k/o/n||
    <1500-9198>|MTU size in bytes|||
      <cr>||||
      !
    !
    jumbo|Set the jumbo frame MTU for Gigabit ports|k/o/n||
      <1500-9000>|MTU size in bytes|||
        <cr>||||
        !
      !
    !
    routing|Set the system routed port MTU|k/o/n||
      <1280-9198>|MTU size in bytes|||
        <cr>||||
        !
      !
    !
  !
!
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
    hostname or a.b.c.d|IP address of TACACS server|k/o/n||&tacacs_host_opt.cfm
    !
  !
  key|Set TACACS+ encryption key|k/o/n||
    <0-7>|Encryption type|||
      word|The encryption key|||
        <cr>||||
        !
      !
    !
    word|The encryption key|||
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
telephony-service|Cisco Unified CME telephony service|k||
  <cr>||||@(config-telephony)# telephony_service.cfm
  !
!
tftp-server|Provide TFTP service for netload requests|k||
  word|URL of the file|k/n||
    <cr>||||
    !
    alias|File alias|||
      word|Alias name|||
        <cr>||||
        !
      !
    !
    #|access list|||
      <1-99>|IP access list of requesting hosts||
      word|IP access list name||
    #|||
      <cr>||||
      !
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
  &firewall_timeouts.cfm|Timeout name|lb/k/n||
    <hh:mm>|Idle time (hh:mm:ss)|le/wa||
      <cr>||||
      !
      #|timer type|||
        absolute|Absolute timeout||
        inactivity|Inactivity timeout||
      #|||
        <cr>||||
        !
      !
    !
  !
  igp|IGP|k||
    stale-route|Stale route timeout|k/o/n||
      <hh:mm>|Time (hh:mm:ss)|||
        <cr>||||
        !
      !
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
        a.b.c.d|Destination address|k||
          a.b.c.d|Destination mask|k/o/n||
            #|state|||
              reachability|Reachability||
              metric|Metric threshold||
            #|||
              <cr>||||@(config-track)# track.cfm
              !
              threshold|Metric threshold|||
                <cr>||||@(config-track)# track.cfm
                !
              !
            !
          !
        !
        a.b.c.d/<1-32>|Destination prefix|k/o/n||
          #|state|||
            reachability|Reachability||
            metric|Metric threshold||
          #|||
            <cr>||||@(config-track)# track.cfm
            !
            threshold|Metric threshold|||
              <cr>||||@(config-track)# track.cfm
              !
            !
          !
        !
      !
    !
    interface|Select an interface to track|||
      &interfacefile.cfm|Interface type|k||
        <slot/port>|interface number|o/n||
          line-protocol|Track interface line-protocol|||
            <cr>||||@(config-track)# track.cfm
            !
          !
          ip|Track interface IP routing capability|||
            routing|IP routing|||
              <cr>||||@(config-track)# track.cfm
              !
            !
          !
        !
      !
    !
    list|Group objects in a list|||
      boolean|List state is a boolean combination of objects|o/n||
        #|operator|||
          and|Boolean AND||
          or|Boolean OR||
        #|||
          <cr>||||@(config-track)# track.cfm
          !
        !
      !
      threshold|List state is based on a threshold|o/n||
        #|threshold kind|||
          percentage|Threshold in percentage||
          weight|Threshold in weight||
        #|||
          <cr>||||@(config-track)# track.cfm
          !
        !
      !
    !
    stub-object|Stub object|o/n||
      <cr>||||@(config-track)# track.cfm
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
  qsfp|QSFP settings|k||
    default-mode|Default breakout mode|k/o/n||
      word|Mode, for example 4x10G|||
        <cr>||||
        !
      !
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
udld|Configure global UDLD setting|k||
  #|mode|k/o/sb||
    aggressive|Enable UDLD protocol in aggressive mode on fiber ports||
    enable|Enable UDLD protocol on fiber ports||
  #|||
    <cr>||||
    !
  !
  message|Set UDLD message parameters|k||
    time|Set UDLD message time period|k/o/n||
      <1-90>|Time in seconds between sending of messages in steady state|||
        <cr>||||
        !
      !
    !
  !
!
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
    allocation|Internal VLAN allocation|k||
      policy|Internal VLAN allocation policy|k/o/n||
        #|policy|||
          ascending|Allocate internal VLANs in ascending order||
          descending|Allocate internal VLANs in descending order||
        #|||
          <cr>||||
          !
        !
      !
    !
  !
  configuration|VLAN feature configuration mode|k||
    word|VLAN list, example 1,3-5,7|k/n||
      <cr>||||@(config-vlan-config)# vlan_config.cfm
      !
    !
  !
  access-map|Create vlan access-map or enter vlan access-map command mode|k||
    word|Vlan access map tag|k||
      <cr>||||@(config-access-map)# vlan_access_map.cfm
      !
      <0-65535>|Sequence to insert to/delete from existing vlan access-map entry|k/n||
        <cr>||||@(config-access-map)# vlan_access_map.cfm
        !
      !
    !
  !
  filter|Apply a VLAN access map to VLANs|k||
    word|VLAN map name|k||
      vlan-list|VLANs to apply the filter to|k||
        word|VLAN list, example 1,3-5,7|k/n||
          <cr>||||
          !
        !
      !
    !
  !
  dot1q|dot1q parameters|k||
    tag|Tag settings|k||
      native|Tag native VLAN|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  group|VLAN group|k||
    word|VLAN group name|k||
      vlan-list|VLANs of the group|k||
        word|VLAN list|k/n||
          <cr>||||
          !
        !
      !
    !
  !
!
voice|Voice settings|k||
  service|Voice service|k||
    voip|Voice over IP service|k/n||
      <cr>||||@(config-voi-serv)# voice_service.cfm
      !
    !
  !
  register|Voice register|k||
    global|Voice register global settings|k/n||
      <cr>||||@(config-register-global)# voice_register_global.cfm
      !
    !
  !
!
// Voice card of an ISR router (DSP resources of the slot).
voice-card|Voice card settings|k||
  <0-4>|Voice card slot|k/n||
    <cr>||||@(config-voicecard)# voice_card.cfm
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
// Virtual private dial-up networks (VPDN command reference).
vpdn|Virtual Private Dialup Network|k||
  enable|Enable VPDN|k/o/sb||
    <cr>||||
    !
  !
  logging|Configure logging for VPDN|k||
    <cr>||||
    !
    #|destination|k||
      local|Enable local VPDN event logging||
      remote|Enable remote VPDN event logging||
      user|Enable VPDN user logging||
      tunnel-drop|Enable logging of tunnel drops||
      cause|Enable VPDN cause logging||
    #|||
      <cr>||||
      !
    !
  !
  search-order|Order in which the VPDN tunnel information is searched|k/o/n||
    #|search key|lb/le/wa||
      dnis|Search on the DNIS number||
      domain|Search on the domain name||
      multihop-hostname|Search on the multihop hostname||
    #|||
      <cr>||||
      !
    !
  !
!
vpdn-group|VPDN group configuration|k||
  word|VPDN group name|k/n||
    <cr>||||@(config-vpdn)# vpdn_group.cfm
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
  unicast-bandwidth|Unicast bandwidth|k/o/n||
    <1-100>|Percent|||
      <cr>||||
      !
    !
  !
!
wrr-queue|Weighted round robin queue|k||
  cos-map|CoS map|k||
    <0-4>|Queue|k||
      <0-2>|Threshold|k||
        <0-7>|CoS values|lb/le/wa/o/n||
          <cr>||||
          !
        !
      !
    !
  !
!
xconnect|Cross connect|k||
  logging|Xconnect logging|k||
    pseudowire|Pseudowire logging|k||
      status|Pseudowire status logging|k/o/sb||
        <cr>||||
        !
      !
    !
  !
!
xdr|External data representation|k||
  multicast-group|Multicast group|k||
    mode|Mode|k/o/n||
      #|mode|||
        individual|Individual mode||
        group|Group mode||
      #|||
        <cr>||||
        !
      !
    !
    internal|Internal settings|k||
      issu-slots-split|ISSU slots split|k/o/sb||
        <cr>||||
        !
      !
    !
  !
!
wsma|Web Services Management Agent|k||
  agent|Configure a WSMA agent|k||
    #|agent service|k/n||
      config|Configuration service||
      exec|Command execution service||
      filesys|File system service||
      notify|Notification service||
    #|||
      <cr>||||@(config-wsma-agent)# wsma_agent.cfm
      !
    !
  !
  profile|Configure a WSMA profile|k||
    listener|Listener profile: the device accepts WSMA sessions|k||
      word|Profile name|k/n||
        <cr>||||@(config-wsma-listen)# wsma_listener.cfm
        !
      !
    !
  !
!
xml|XML settings|k||
  agent|XML agent|k||
    tty|XML agent on a tty|k/o/sb||
      <cr>||||
      !
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
      type|Type of the virtual template|||
        #|type|||
          tunnel|Tunnel interface||
          ethernet|Ethernet interface||
          serial|Serial interface||
        #|||
          <cr>||||@(config-if)# interface.cfm
          !
        !
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
    &interfacefile.cfm|Interface type|k||
      <slot/port>|first interface of the range|k/n||
        <cr>||||@(config-if-range)# interface.cfm
        !
        line|the rest of the range, for example "- 24 , Gi1/0/30"|lb/le/wa/k/n||
          <cr>||||@(config-if-range)# interface.cfm
          !
        !
      !
    !
    macro|Interface range macro|k||
      word|Macro name|k/n||
        <cr>||||@(config-if-range)# interface.cfm
        !
      !
    !
  !
!
