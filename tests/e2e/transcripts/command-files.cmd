# Command files nest; /END ends the file that holds it; at most 10 are open
# at once (this file and nine copies of self.cmd), and the error ends them all.
/X "inner.cmd"

/6U=(V)
/X"self.cmd"
/7U=(V)
