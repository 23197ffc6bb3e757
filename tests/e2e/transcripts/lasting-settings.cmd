# Settings last only when made lasting.
/FR1W"slate.wds"/1R
/OR1S /OW80C
# for one line only
/P1
/OR1S!/OW80C
/P1
# a lone "!" makes the whole line last
/K-L ! /P1
/P1
