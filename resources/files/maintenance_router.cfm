// Maintenance mode profile routing process.
isolate|Isolate the routing process|k/o/sb||
  <cr>||||
  !
!
