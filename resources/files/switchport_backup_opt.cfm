// "switchport backup interface IF": preemption and MAC move settings.
<cr>||||
!
preemption|Preemption settings|||
  mode|Preemption mode|||
    #|mode|||
      forced|Always preempt||
      bandwidth|Preempt by bandwidth||
      off|Turn off preemption||
    #|||
      <cr>||||
      !
    !
  !
  delay|Preemption delay|||
    <1-300>|Delay in seconds|||
      <cr>||||
      !
    !
  !
!
mmu|MAC move update|||
  <cr>||||
  !
!
