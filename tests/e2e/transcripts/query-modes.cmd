# Every query mode. Blank-matched letters are shown in lower case.
#program
# the output width lasts, so that the window's width does not decide it
/OW80C!
AEST /OR1S
C?T /OR1S
C* /OR1S /OW200C
# "." makes a pattern
.AT /OR1S
# "*" takes blanks
/Q2 ?A* /OR1S /OW200C
/Q3 EA /OR1S
/Q4 CAT /OR1S
/Q5 CATEAT /OR,1S /OW200C
# a rack part may or may not be used; "!" makes it needed
ACT,S /OR1S
ACT,S! /OR1S
AEST,C! /OR1S
