// Tracked object mode "(config-track)#".
default-state|Default state|k/o/n||
  #|state|||
    up|Up||
    down|Down||
  #|||
    <cr>||||
    !
  !
!
delay|Tracking delay|k/o/n||
  up|Delay up change notification|||
    <0-180>|Seconds to delay|||
      <cr>||||
      !
      down|Delay down change notification|||
        <0-180>|Seconds to delay|||
          <cr>||||
          !
        !
      !
    !
  !
  down|Delay down change notification|||
    <0-180>|Seconds to delay|||
      <cr>||||
      !
      up|Delay up change notification|||
        <0-180>|Seconds to delay|||
          <cr>||||
          !
        !
      !
    !
  !
!
default|Set a command to its defaults|k||
  delay|Tracking delay|k/sn||
    <cr>||||
    !
  !
!
object|Object of a track list|k||
  <1-1000>|Object number|k/n||
    <cr>||||
    !
    not|Negate the state of the object|o/n||
      <cr>||||
      !
    !
    weight|Weight of the object|o/n||
      <0-255>|Weight|||
        <cr>||||
        !
      !
    !
  !
!
threshold|Thresholds of a track list|k||
  #|threshold kind|k/o/n||
    percentage|Threshold in percentage||
    weight|Threshold in weight||
  #|||
    up|Up threshold|||
      <0-255>|Up threshold|||
        <cr>||||
        !
        down|Down threshold|||
          <0-255>|Down threshold|||
            <cr>||||
            !
          !
        !
      !
    !
    down|Down threshold|||
      <0-255>|Down threshold|||
        <cr>||||
        !
        up|Up threshold|||
          <0-255>|Up threshold|||
            <cr>||||
            !
          !
        !
      !
    !
  !
!
ip|IP settings|k||
  vrf|VRF of the tracked route|k/o/n||
    word|VRF name|||
      <cr>||||
      !
    !
  !
!
