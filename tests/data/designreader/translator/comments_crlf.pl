
@myset = @other;
@x = @myset; 
@temp1 = ();
@temp1 = combineLines(\@x, \@UI_InterfaceList);
@all = @temp1;

close OUTFILE;
