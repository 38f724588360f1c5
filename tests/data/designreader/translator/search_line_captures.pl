@matchResults = ("") x 2;

@ifs = search_line("interface ([^ \t\r\n]*) ([^ \t\r\n]*)","all","","");
@name = split (/ /, $matchResults[0]);
@unit = split (/ /, $matchResults[1]);
;

close OUTFILE;
