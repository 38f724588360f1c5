// Policy-map class mode "(config-pmap-c)#": the actions of one class.
bandwidth|Bandwidth|k/o/n||
  <8-10000000>|Kilo Bits per second|||
    <cr>||||
    !
  !
  percent|% of total Bandwidth|||
    <1-100>|Bandwidth percentage|||
      <cr>||||
      !
    !
  !
  remaining|% of the remaining bandwidth|||
    #|unit|||
      percent|% of the remaining bandwidth||
      ratio|ratio for sharing excess bandwidth||
    #|||
      <1-100>|value|||
        <cr>||||@(config-pmap-c-bw)# policy_map_class_sub.cfm
        !
      !
    !
  !
!
congestion-control|Congestion control|k||
  #|type|k/o/sb||
    random-detect|Random detect||
    tail-drop|Tail drop||
  #|||
    <cr>||||
    !
  !
!
drop|Drop the packet|k/o/n||
  <cr>||||
  !
  log|Log the dropped packets|||
    <cr>||||
    !
  !
!
fair-queue|Enable Flow-based Fair Queuing in this Class|k/o/sb||
  <cr>||||@(config-pmap-c-fq)# policy_map_class_sub.cfm
  !
  <16-4096>|Number Dynamic Conversation Queues|||
    <cr>||||@(config-pmap-c-fq)# policy_map_class_sub.cfm
    !
  !
!
inspect|Context-based Access Control Engine|k/o/n||
  <cr>||||
  !
  word|Parameter map name, or an inspected protocol (firewall)|||
    <cr>||||
    !
    word|Inspection map or protocol detail|||
      <cr>||||
      !
    !
  !
!
mtu|MTU|k/o/n||
  <64-9216>|MTU|||
    <cr>||||
    !
  !
!
pass|Pass the packet|k/o/n||
  <cr>||||
  !
  log|Log the passed packets|||
    <cr>||||
    !
  !
!
pause|Pause frames|k/o/sb||
  <cr>||||
  !
  buffer-size|Pause buffer size|||
    <0-100>|Percent|||
      <cr>||||
      !
    !
  !
!
police|Police|k/o/n||&police_rate.cfm
!
priority|Strict Scheduling Priority for this Class|k/o/n||
  <cr>||||
  !
  <8-10000000>|Kilo Bits per second|||
    <cr>||||
    !
    <32-2000000>|Burst in bytes|||
      <cr>||||
      !
    !
  !
  percent|% of total bandwidth|||
    <1-100>|Percent|||
      <cr>||||
      !
      <32-2000000>|Burst in bytes|||
        <cr>||||
        !
      !
    !
  !
  level|Multi-Level Priority Queue|||
    <1-2>|Multi-Level Priority Queue|||
      <cr>||||
      !
      <8-10000000>|Kilo Bits per second|||
        <cr>||||
        !
      !
      percent|% of total bandwidth|||
        <1-100>|Percent|||
          <cr>||||
          !
        !
      !
    !
  !
!
queue-buffers|Queue buffer|k/o/n||
  ratio|Relative buffer size for the queue|||
    <0-100>|Percent|||
      <cr>||||
      !
    !
  !
!
queue-limit|Queue Max Threshold for Tail Drop|k||
  <1-8192000>|Queue limit|k/o/n||
    <cr>||||
    !
    #|unit|||
      bytes|Bytes||
      ms|Milliseconds||
      packets|Packets||
      us|Microseconds||
    #|||
      <cr>||||
      !
    !
  !
  #|classification|k||
    cos|Parameters for each cos value||
    discard-class|Parameters for each discard-class value||
    precedence|Parameters for each precedence value||
  #|||
    <0-7>|Value|k||
      percent|Percent of the queue|||
        <1-100>|Percent|o/n||
          <cr>||||
          !
        !
      !
    !
  !
  dscp|Parameters for each dscp value|k||
    &dscp.cfm|Differentiated services codepoint value|k||
      percent|Percent of the queue|||
        <1-100>|Percent|o/n||
          <cr>||||
          !
        !
      !
    !
  !
!
random-detect|Enable Random Early Detection as drop policy|k/o/sb||
  <cr>||||
  !
  #|basis|k/o/sb||
    cos-based|Enable cos-class-based WRED as drop policy||
    discard-class-based|Enable discard-class-based WRED as drop policy||
    dscp-based|Enable dscp-based WRED as drop policy||
    prec-based|Enable precedence-based WRED as drop policy||
    ecn|Explicit Congestion Notification||
  #|||
    <cr>||||
    !
  !
  exponential-weighting-constant|weight for mean queue depth calculation|k/o/n||
    <1-16>|integer in 1..16|||
      <cr>||||
      !
    !
  !
  aggregate|Aggregate thresholds|k/o/n||
    minimum-thresh|Minimum threshold|||
      <1-512000000>|Minimum threshold|||
        maximum-thresh|Maximum threshold|||
          <1-512000000>|Maximum threshold|||
            mark-prob|Mark probability denominator|||
              <1-65535>|Mark probability denominator|||
                <cr>||||
                !
              !
            !
          !
        !
      !
    !
  !
  dscp|parameters for each dscp value|k||
    &dscp.cfm|Differentiated services codepoint value|k||
      <1-512000000>|minimum threshold|o/n||
        <1-512000000>|maximum threshold|||
          <cr>||||
          !
          <1-65535>|mark probability denominator|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  #|classification|k||
    precedence|parameters for each precedence value||
    cos|parameters for each cos value||
    discard-class|parameters for each discard-class value||
  #|||
    <0-7>|value|k||
      <1-512000000>|minimum threshold|o/n||
        <1-512000000>|maximum threshold|||
          <cr>||||
          !
          <1-65535>|mark probability denominator|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
service-policy|Configure QoS Service Policy|k/o/n||
  word|policy-map name|||
    <cr>||||
    !
  !
  type|Policy type|||
    #|type|||
      qos|QoS policy||
      inspect|Inspect policy||
      queueing|Queueing policy||
    #|||
      word|policy-map name|||
        <cr>||||
        !
      !
    !
  !
!
set|Set QoS values|k||
  cos|Set IEEE 802.1Q/ISL class of service/user priority|k/o/n||
    <0-7>|cos value|||
      <cr>||||
      !
    !
    inner|Set inner CoS|||
      <0-7>|cos value|||
        <cr>||||
        !
      !
    !
  !
  dscp|Set DSCP in IP(v4) and IPv6 packets|k/o/n||
    &dscp.cfm|Differentiated services codepoint value|||
      <cr>||||
      !
    !
    tunnel|set tunnel packet dscp|||
      &dscp.cfm|Differentiated services codepoint value|||
        <cr>||||
        !
      !
    !
  !
  precedence|Set precedence in IP(v4) and IPv6 packets|k/o/n||
    &ip_precedence.cfm|Precedence value|||
      <cr>||||
      !
    !
  !
  ip|Set IP specific values|k||
    dscp|Set IP DSCP (DiffServ CodePoints)|k/o/n||
      &dscp.cfm|Differentiated services codepoint value|||
        <cr>||||
        !
      !
    !
    precedence|Set IP precedence|k/o/n||
      &ip_precedence.cfm|Precedence value|||
        <cr>||||
        !
      !
    !
  !
  qos-group|Set QoS Group|k/o/n||
    <0-99>|QoS Group value|||
      <cr>||||
      !
    !
  !
  discard-class|Discard behavior identifier|k/o/n||
    <0-7>|Discard Class value|||
      <cr>||||
      !
    !
  !
  mpls|Set MPLS specific values|k||
    experimental|Set Experimental value|k||
      #|label|k/o/n||
        imposition|Set Experimental value at tag imposition||
        topmost|Set Experimental value on topmost label||
      #|||
        <0-7>|Experimental value|||
          <cr>||||
          !
        !
      !
    !
  !
  nexthop|Set the next hop|k/o/n||
    a.b.c.d|Next hop address|||
      <cr>||||
      !
    !
  !
  connection|Connection settings|k||
    #|setting|k/o/n||
      conn-max|Maximum number of connections||
      embryonic-conn-max|Maximum number of embryonic connections||
    #|||
      <0-2000000>|Number of connections|||
        <cr>||||
        !
      !
    !
    advanced-options|Advanced options|k||
      tcp-state-bypass|Bypass TCP state checks|k/o/sb||
        <cr>||||
        !
      !
      word|TCP map name|k/o/n||
        <cr>||||
        !
      !
    !
  !
!
shape|Traffic Shaping|k/o/n||
  #|shape kind|||
    average|configure token bucket: CIR (bps) [Bc (bits) [Be (bits)]]||
    peak|configure token bucket: CIR (bps) [Bc (bits) [Be (bits)]], send out Bc+Be bits||
  #|||
    <8000-10000000000>|Target Bit Rate (bits per second)|||
      <cr>||||
      !
      <256-154400000>|bits per interval, sustained|||
        <cr>||||
        !
        <0-154400000>|bits per interval, excess|||
          <cr>||||
          !
        !
      !
    !
    percent|% of interface bandwidth for Committed information rate|||
      <1-100>|Percent|||
        <cr>||||
        !
        <10-2000>|Sustained burst in milliseconds|||
          ms|milliseconds|||
            <cr>||||
            !
          !
        !
      !
    !
  !
  adaptive|Enable Traffic Shaping adaptation to BECN|||
    <8000-10000000000>|Lower Bound Target Bit Rate (bits per second)|||
      <cr>||||
      !
    !
  !
  kbps|Shaping rate in kilobits per second|k/o/n||
    <8-100000000>|Kilobits per second|||
      <cr>||||
      !
    !
  !
!
trust|Trust settings|k/o/n||
  #|field|||
    cos|Trust CoS||
    dscp|Trust DSCP||
    precedence|Trust precedence||
  #|||
    <cr>||||
    !
  !
!
user-statistics|User statistics|k/o/n||
  accounting|Accounting|||
    <cr>||||
    !
  !
!
