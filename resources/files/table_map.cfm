// Table map mode.
default|Default action|k/o/n||
  word|Default value or copy|||
    <cr>||||
    !
  !
!
from|Map from values|k||
  word|From values|k/n||
    to|Map to|||
      <0-63>|To value|o/n||
        <cr>||||
        !
      !
    !
  !
!
map|Map a value|k||
  from|Map from|k||
    <0-63>|From value|k/n||
      to|Map to|||
        <0-63>|To value|o/n||
          <cr>||||
          !
        !
      !
    !
  !
!
