// Policy-map class police mode "(config-pmap-c-police)#".
#|action kind|k/o/n||&police_action.cfm
  conform-action|action when rate is less than conform burst||
  exceed-action|action when rate is within conform and conform + exceed burst||
  violate-action|action when rate is greater than conform + exceed burst||
#|||
!
