<0-7>|IP precedence value
critical|Set packets with critical precedence (5)
flash|Set packets with flash precedence (3)
flash-override|Set packets with flash override precedence (4)
immediate|Set packets with immediate precedence (2)
internet|Set packets with internetwork control precedence (6)
network|Set packets with network control precedence (7)
priority|Set packets with priority precedence (1)
routine|Set packets with routine precedence (0)
