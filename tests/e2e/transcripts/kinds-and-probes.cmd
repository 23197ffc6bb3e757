# Kinds, probes and what is shown beside the words; a probe beyond the
# slate is an error that ends the command file.
/FR1W"slate.wds"/1R
/P2
/P11 /K-L
 2/3 
 1/ 
 /4 
/V+S/V+H/V+D 3~
/P4 /W1 /KA
 /11 
/P2
