print OUTFILE "Found: @a\n";
print OUTFILE (@UI_IPAddressList);
print OUTFILE "\n";
print OUTFILE (@x);
print OUTFILE "\n";
printToFile (\@set);

close OUTFILE;
