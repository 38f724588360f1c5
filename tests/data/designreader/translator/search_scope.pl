

if (@scope)
{
@matchResults = ("") x 2;

@r = search_line("ip address ([^ \t\r\n]*) ([^ \t\r\n]*)","continuous",\@scope,"ext text");
@a = split (/ /, $matchResults[0]);
@m = split (/ /, $matchResults[1]);
}
;
@matchResultsBegin = ("") x 1;

@s = search_paragraph_begin("router ([^ \t\r\n]*)","all","","extra");
@p = split (/ /, $matchResultsBegin[0]);
;

close OUTFILE;
