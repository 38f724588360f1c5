other|other|||&ipcommon.cfm
!
