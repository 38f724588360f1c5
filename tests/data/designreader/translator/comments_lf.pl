@temp1 = ();
@temp1 = removeLines(\@b, \@c);
@temp1 = removeLines(\@temp1, \@d);
@a= @temp1;
@e = @a;
close OUTFILE;
