	Interface|Select An Interface|K/O||
  	<CR>|End Here|||
!
!
plain|
!
a line without bars is skipped

     	
hostname|set host
!
<1-4294967295>|a number|k||
!
a.b.c.d|an address|||
!
&interfacefile.cfm|interface names|||
!
|leading|bar|
!
