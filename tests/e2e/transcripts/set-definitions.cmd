# User-defined sets, the bag and the scores; a set that is not there ends
# the command file.
/4U=(V)
/5U"rare"=(#<3)
/6U=(4)|(5)
/7U=(4)&(5)
/8U=(5)-(4)
/4U"vowels"=(4)
/1U=Q
/(B)=(2ABCDEFGHIJKLMNOPQRSTUVWXYZ)/($)=(5A)
/2U=(#2)
/9U=(12)
