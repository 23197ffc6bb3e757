# Sets and word references in queries; a set that is not there ends the file.
/4U=(.AT)
/5U=(CAT?)
(4)AT /OR1S
2(V)T /OR1S
AET? /OR1S
# the letters those blanks matched
(=)AET /OR1S
CAT /OR1S
/1W /OR1S
[]S /[1 /OR1S
[~] /[1 /OR1S
# searching wordlist 1 instead of the lexicon
/W1 ?AT /OR1S
(9)AT
