# User-defined sets (two sets joined, each written as in a query), the bag
# and the scores; a set that is not there ends the command file.
/4U=(V)
/5U"rare"=(#<3)
/6U=(4)|(5)
/7U=(4)&(5)
/8U=(5)-(4)
/6U=(2EIS)|(EU)
/7U=(2EIS)&(EU)
/8U=(2EIS)-(EU)
/3U=(!QXZ)-(4)
/4U"vowels"=(4)
/1U=Q
/(B)=(2ABCDEFGHIJKLMNOPQRSTUVWXYZ)/($)=(5A)
/2U=(#2)
/9U=(12)
