# Every filter.
AET?/|=4 /OR1S
AET* /|>5 /OR1S
C?T/$5 /OR1S
# zero-scoring blanks
C?T/Z/$5 /OR1S
Q?/Q2/$>=11 /OR1S
AET?/%>1000 /OR1S
AET?/%<{EAST} /OR1S
AET/&=4 /OR1S
ACT?/&=3 /OR1S
AET/<=(S) /OR1S
AET/>>=(S) /OR1S
AET/"noun" /OR1S
AET/"!noun" /OR1S
AE??/Q2/:=(ST) /OR1S
?ATE/:=(R) /OR1S
CAT?/:<=(-S) /OR1S
/Q5 CATEAT/#=1 /OR1S
AET/#=1 /OR1S
