# Item commands delete, copy and move items; flashcards walk a wordlist and
# need a running drill and a wordlist with items.
#typed
#written: left.wds moved.wds
/FR2W"items.wds"
/=2:4,9D
/3:0=2:1,2C
/3:1=2:3M
/H3
/H+
/9:0=M
/H+
/H+
/H-
/FW3W"left.wds"
/FW9W"moved.wds"
/H+
/7:0=C
/=9:1D
/H9
