// Dialer map class mode.
dialer|Dialer settings|k||
  #|setting|k/o/n||
    fast-idle|Fast idle timeout||
    idle-timeout|Idle timeout||
    wait-for-carrier-time|Wait for carrier time||
  #|||
    line|value|lb/le/wa||
      <cr>||||
      !
    !
  !
!
