// "crypto key generate ec keysize N": the options, in any order.
<cr>||||
!
label|Provide a label|ob||
  word|EC keypair label|oe||
    <cr>||||
    !
  !
!
exportable|Allow the key to be exported|ob/oe||
  <cr>||||
  !
!
storage|Store key on specified device|ob||
  word|Storage device|oe||
    <cr>||||
    !
  !
!
