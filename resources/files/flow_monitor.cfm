// Flow monitor mode "(config-flow-monitor)#".
description|Provide a description for this flow monitor|k/o/n||
  line|Up to 63 characters describing this flow monitor|lb/le/wa||
    <cr>||||
    !
  !
!
exporter|Add an exporter to use to export records|k||
  word|Name of a flow exporter|k/n||
    <cr>||||
    !
  !
!
record|Specify flow record to use to define the cache|k/o/n||
  word|Name of a user defined flow record|||
    <cr>||||
    !
  !
  netflow|Traditional NetFlow collection schemes|||
    #|protocol|||
      ipv4|Traditional IPv4 NetFlow collection schemes||
      ipv6|Traditional IPv6 NetFlow collection schemes||
    #|||
      #|scheme|||
        original-input|Traditional IPv4 input NetFlow||
        original-output|Traditional IPv4 output NetFlow||
        as|AS aggregation schemes||
        destination-prefix|Destination prefix aggregation schemes||
        prefix|Source and destination prefixes aggregation schemes||
        protocol-port|Protocol and ports aggregation scheme||
        source-prefix|Source AS and prefix aggregation schemes||
      #|||
        <cr>||||
        !
      !
    !
  !
  netflow-original|Traditional IPv4 input NetFlow with origin ASs|||
    <cr>||||
    !
  !
!
cache|Configure Flow Cache parameters|k||
  timeout|Cache timeout settings|k||
    #|timer|k/o/n||
      active|Active or long timeout||
      inactive|Inactive or normal timeout||
      update|Update timeout of a permanent cache||
    #|||
      <1-604800>|Timeout in seconds|||
        <cr>||||
        !
      !
    !
    event|Timeout on an event|k||
      transaction-end|Export at the end of a transaction|k/o/sb||
        <cr>||||
        !
      !
    !
  !
  entries|Maximum number of entries in the cache|k/o/n||
    <16-2000000>|Number of entries|||
      <cr>||||
      !
    !
  !
  type|Type of the cache|k/o/n||
    #|type|||
      normal|Normal cache type||
      immediate|Immediate cache type||
      permanent|Permanent cache type||
    #|||
      <cr>||||
      !
    !
  !
!
statistics|Collect statistics|k||
  packet|Packet statistics|k||
    #|statistic|k/o/sb||
      protocol|Protocol distribution statistics||
      size|Size distribution statistics||
    #|||
      <cr>||||
      !
    !
  !
!
