# 5 x 5 grid queries: the grid is written first, then its words.
#program
/OW80C!
# the words of five letters and more, and the total of their grid scores
CRATEXXXXSXXXXXXXXXXXXXXX/B/@|/V+S
# a length filter lets four-letter words through too, never three-letter ones
CRATEXXXXSXXXXXXXXXXXXXXX/B/|3
# a Q cell stands for QU: QAT cannot be traced
QATXXXXXXXXXXXXXXXXXXXXXQ/B/|3
