
close OUTFILE;
