@temp1 = ();
@temp1 = combineLines(\@b, \@c);
@temp1 = combineLines(\@temp1, \@d);
@a = @temp1;
@temp1 = ();
@temp1 = combineLines(\@y, \@z);
@temp1 = removeLines(\@temp1, \@w);
@x= @temp1;

close OUTFILE;
