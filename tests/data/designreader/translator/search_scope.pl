
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
