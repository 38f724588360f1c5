<0-7>|Logging severity level
alerts|Immediate action needed           (severity=1)
critical|Critical conditions               (severity=2)
debugging|Debugging messages                (severity=7)
emergencies|System is unusable                (severity=0)
errors|Error conditions                  (severity=3)
informational|Informational messages            (severity=6)
notifications|Normal but significant conditions (severity=5)
warnings|Warning conditions                (severity=4)
