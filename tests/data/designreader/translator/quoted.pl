if (@a eq "Mixed (Case) + @x") {}

close OUTFILE;
