# Windows and features that the headless processor does not have say so.
#typed
C
/C
G
ABCDEFGHIJKLMNOPQRSTUVWXY/G
T
W
/PW "Anagrams" 
/FRB"x.WBG"
