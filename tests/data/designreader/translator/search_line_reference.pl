
#Read the config file into a perl hash variable.
%allLines;
@matchResults;
@matchResultsBegin;
@matchResultsEnd;
@matchResultsMiddle;
@UI_InterfaceList;
@UI_ProtocolList;
@UI_InterfaceNameList;
@UI_IPAddressList;

hashConfigFile();

readUIFiles();
$resultFile = $ARGV[1];
if(open(OUTFILE, ">$resultFile")) {
}
else {
	print "Can't open result file!";
	return;
}


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
