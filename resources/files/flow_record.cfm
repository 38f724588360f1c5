// Flow record mode "(config-flow-record)#".  Every match and collect line
// is an item of the record.
description|Provide a description for this flow record|k/o/n||
  line|Up to 63 characters describing this flow record|lb/le/wa||
    <cr>||||
    !
  !
!
match|Specify a key field|k||&flow_fields.cfm
!
collect|Specify a non-key field|k||&flow_fields.cfm
  counter|Counter fields|k||
    bytes|Number of bytes|k||
      <cr>||||
      !
      long|64 bit counter|k||
        <cr>||||
        !
      !
      layer2|Layer 2 bytes|k||
        long|64 bit counter|k||
          <cr>||||
          !
        !
      !
    !
    packets|Number of packets|k||
      <cr>||||
      !
      #|form|k||
        long|64 bit counter||
        dropped|Dropped packets||
      #|||
        <cr>||||
        !
      !
    !
    flows|Number of flows|k||
      <cr>||||
      !
    !
  !
  timestamp|Timestamp fields|k||
    #|clock|k||
      sys-uptime|Time since the device booted||
      absolute|Wall clock time||
    #|||
      #|packet|k||
        first|Time the first packet of the flow was seen||
        last|Time the last packet of the flow was seen||
      #|||
        <cr>||||
        !
      !
    !
  !
!
