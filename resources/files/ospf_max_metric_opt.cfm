// "max-metric router-lsa": the options, in any order.
<cr>||||
!
external-lsa|Override external-lsa metric with max-metric value|ob/oe||
  <cr>||||
  !
  <1-16777215>|Overriding metric in external-LSAs|oe||
    <cr>||||
    !
  !
!
include-stub|Set maximum metric for stub links in router-LSAs|ob/oe||
  <cr>||||
  !
!
summary-lsa|Override summary-lsa metric with max-metric value|ob/oe||
  <cr>||||
  !
  <1-16777215>|Overriding metric in summary-LSAs|oe||
    <cr>||||
    !
  !
!
on-startup|Set maximum metric temporarily after reboot|ob||
  <5-86400>|Time, in seconds, router-LSAs are originated with max-metric|oe||
    <cr>||||
    !
  !
  wait-for-bgp|Let BGP decide when to originate router-LSA with normal metric|oe||
    <cr>||||
    !
  !
!
