if (is_in_samenet(\@A,\@UI_IPAddressList,\@m,\@Others,"")) {
  print OUTFILE "same";
}
if (is_in_samenet(\@a,\@b,\@c,"10.0.0.1","strict")) {}
if (is_in_samenet(\@a,\@b,\@c,\@d,"")) {}

close OUTFILE;
