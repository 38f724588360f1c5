// Dialer map class mode.
dialer|Dialer settings|k||
  #|setting|k/o/n||
    fast-idle|Fast idle timeout||
    wait-for-carrier-time|Wait for carrier time||
  #|||
    line|value|lb/le/wa||
      <cr>||||
      !
    !
  !
  idle-timeout|Idle timeout|k/o/n||
    <0-2147483>|Idle timeout before disconnecting a call|||
      <cr>||||
      !
      #|traffic|||
        either|Reset idle timer based on both inbound and outbound traffic||
        inbound|Reset idle timer based on inbound traffic only||
      #|||
        <cr>||||
        !
      !
    !
  !
!
