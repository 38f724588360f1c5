10|force 10 mbps operation
100|force 100 mbps operation
auto|enable auto speed configuration
