
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


if (is_in_samenet(\@A,\@UI_IPAddressList,\@m,\@Others,"")) {
  print OUTFILE "same";
}
if (is_in_samenet(\@a,\@b,\@c,"10.0.0.1","strict")) {}
if (is_in_samenet(\@a,\@b,\@c,\@d,"")) {}

close OUTFILE;
