@matchResults = ("") x 1;

@names = search_line("interface ([^ \t\r\n]*)","all","","");
@n = split (/ /, $matchResults[0]);
;
@matchResults = ("") x 1;

$tempSize = @names;
if($tempSize != @names)
{}
else
{
@searchset = ();
@oneset = ();
for($index = 0; $index <@names; $index++)
{
@oneset = search_line("interface $names[$index] ip ([^ \t\r\n]*)","first","","");
@searchset = combineLines(\@searchset, \@oneset);
}

@ips = @searchset;
}

@ip = split (/ /, $matchResults[0]);
;

close OUTFILE;
