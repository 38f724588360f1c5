
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


