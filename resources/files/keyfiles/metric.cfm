<0-4294967295>|Default metric
+/-<metric>|Add to or subtract from the existing metric
transparent|Transparently redistribute metric
