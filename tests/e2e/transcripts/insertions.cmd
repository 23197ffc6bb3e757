# "!" and "^" in a command file stand for the lines before them, and the
# history records every line with its insertions applied, so that a later
# "^" finds the query of a line that was a "!".
#written: history.cmd
CA?
!/|=3
^T
!2
/FWH
