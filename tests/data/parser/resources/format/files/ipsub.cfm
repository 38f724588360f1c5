sub-one|first sub-mode command|||
!
