line|Configure a terminal line
