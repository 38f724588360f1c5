shutdown|shutdown the selected interface|n||
<cr>|||
!
!
[no-op|an optional word|||
!
description|interface specific description|ob||
<line>|up to 240 characters|oe||
<cr>|||
!
!
!
