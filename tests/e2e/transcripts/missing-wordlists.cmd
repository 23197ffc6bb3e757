# Every command on a wordlist that is not there names it.
#typed
/3L"Nouns"
/Y4=1
/Y4=2|1
/1R
/FW9W"x.wds"
/=8:1D
/7:0=8:1C
/H9
CAT/1?
/FR2W"missing.wds"
