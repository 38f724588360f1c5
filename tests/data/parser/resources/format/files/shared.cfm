ip|ip|k|| &ipcommon.cfm
!
ipv6|v6|k||&ipcommon.cfm ignored-token
!
