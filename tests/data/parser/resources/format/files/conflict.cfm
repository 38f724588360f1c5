shutdown|shut|cf|a, b,c,, |
!
keep|no conflict letter||a,b|
!
