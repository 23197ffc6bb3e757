# Word presence questions: in the lexicons, on the slate, in a wordlist.
#lexicons: ENGLISH OTHER
#ini: club.ini
#program
CAT/-?
CAT/Z DOG/-?
cat/-"other"?
/FR2W"presence.wds"/2R
CAT/?
DOG/?
CAT/0?
CAT/2?
ACT/2?
