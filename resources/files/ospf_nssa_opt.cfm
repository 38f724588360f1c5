// "area ID nssa": the options, in any order.
<cr>||||
!
no-redistribution|No redistribution into this NSSA area|ob/oe||
  <cr>||||
  !
!
no-summary|Do not send summary LSA into NSSA|ob/oe||
  <cr>||||
  !
!
no-ext-capability|Do not send domain specific capabilities into NSSA|ob/oe||
  <cr>||||
  !
!
default-information-originate|Originate Type 7 default into NSSA area|ob/oe||
  <cr>||||
  !
  metric|OSPF default metric|||
    <0-16777214>|OSPF metric|oe||
      <cr>||||
      !
      metric-type|OSPF metric type for default routes|||
        <1-2>|OSPF Link State type|oe||
          <cr>||||
          !
        !
      !
    !
  !
  metric-type|OSPF metric type for default routes|||
    <1-2>|OSPF Link State type|oe||
      <cr>||||
      !
    !
  !
  nssa-only|Limit default advertisement to this NSSA area|oe||
    <cr>||||
    !
  !
!
translate|Translate LSA|ob||
  type7|From Type 7 to Type 5|||
    #|translation|oe||
      always|Always translate LSAs on this ABR||
      suppress-fa|Suppress forwarding address in translated LSAs||
    #|||
      <cr>||||
      !
    !
  !
!
