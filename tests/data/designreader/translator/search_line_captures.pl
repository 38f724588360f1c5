
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


@matchResults = ("") x 2;

@ifs = search_line("interface ([^ \t\r\n]*) ([^ \t\r\n]*)","all","","");
@name = split (/ /, $matchResults[0]);
@unit = split (/ /, $matchResults[1]);
;

close OUTFILE;
