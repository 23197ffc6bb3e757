# Slate updates combine the result with the slate.
CAT /OR1S
TEA/N1 /OR1S
ACT/N2 /OR1S
?ET/N3 /OR1S
AE/N3 /OR1S
