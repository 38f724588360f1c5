// Class-of-service queue group mode.
#|setting|k||
  precedence|Precedence mapping||
  queue|Queue settings||
  random-detect-label|Random detect label||
  exponential-weighting-constant|Weighting constant||
#|||
  line|value|lb/le/wa/k/n||
    <cr>||||
    !
  !
!
