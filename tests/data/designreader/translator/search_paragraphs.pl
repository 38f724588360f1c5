@matchResultsBegin = ("") x 1;

@matchResultsEnd = ("") x 0;

@b = search_paragraph_between("interface ([^ \t\r\n]*)","shutdown","first","","");
@i = split (/ /, $matchResultsBegin[0]);
;
@matchResultsBegin = ("") x 1;

@matchResultsEnd = ("") x 0;

@matchResultsMiddle = ("") x 2;

@p = search_paragraph("router ospf ([^ \t\r\n]*)","exit","network ([^ \t\r\n]*) ([^ \t\r\n]*) area $area[0]","all","","");
@id = split (/ /, $matchResultsBegin[0]);
@net = split (/ /, $matchResultsMiddle[0]);
@wild = split (/ /, $matchResultsMiddle[1]);
;


if (@b)
{
@matchResultsBegin = ("") x 1;

@matchResultsEnd = ("") x 1;

@c = search_paragraph_between("vlan ([^ \t\r\n]*)","name ([^ \t\r\n]*)","all",\@b,"");
@v = split (/ /, $matchResultsBegin[0]);
@vn = split (/ /, $matchResultsEnd[0]);
}
;

close OUTFILE;
