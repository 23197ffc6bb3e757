# Definition searches list the definitions that fit (from TWLdefs.txt, the
# definitions file when there is no initialization file).
/SD "noun" 
/SD "noun" &! "plural" 
/SD "|to" | "verb|" 
/SD "zebra" 
