ip|ip commands|k||
[vrf|optional vrf|||
<word>|vrf name|||
!
!
[all]|all of them|o|argtext|
<cr>|||
!
!
!
bad]|broken|||
child|under the rejected line|||
!
!
after|after the rejected line|||
!
