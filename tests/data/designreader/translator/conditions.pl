@matchResults = ("") x 0;

@a = search_line("shutdown","all","","");
;
@temp3 = ();

@temp3 = combineLines(\@temp3, \@UI_InterfaceList);

@temp3 = combineLines(\@temp3, \@b);

@temp3 = removeLines(\@temp3, \@c);

if (isEmpty(\@temp3)) {
  print OUTFILE "none";
} else {
@temp2 = ();

@temp2 = combineLines(\@temp2, \@a);

@temp2 = removeLines(\@temp2, \@b);

  @n = excludeLines(\@temp2);
  printToFile (\@n);
}

close OUTFILE;
