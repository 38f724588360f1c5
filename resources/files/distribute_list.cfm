// "distribute-list" of a routing process: the filter, then the direction
// (with an interface for "in", a protocol for "out").
#|access list|k||&distribute_dir.cfm
  <1-199>|IP access list number||
  <1300-2699>|IP expanded access list number||
  word|Access-list name||
#|||
!
#|filter kind|k||
  route-map|Filter prefixes based on the route-map||
  gateway|Filtering incoming updates based on gateway||
#|||
  word|Name of the route map or prefix list|k||&distribute_dir.cfm
  !
!
prefix|Filter prefixes in routing updates|k||
  word|Name of an IP prefix-list|k||&distribute_dir.cfm
    gateway|Filtering incoming updates based on gateway|k||
      word|Name of an IP prefix-list|k||&distribute_dir.cfm
      !
    !
  !
!
