# Wordlist commands report what they leave. A wordlist file is read around
# its unreadable line; the combined wordlists are in word order without
# repeats; an append to a file that has items writes no second label.
#written: all.wds
#program
/FR3W"nouns.wds"
/FR4W"verbs.wds"/4L"Verbs"
/Y5=3&4
/Y6=3-4/6L""
/Y7=3|4
/7R
/5~W"Copy"
/FW7W"all.wds"
/FA5W"all.wds"
