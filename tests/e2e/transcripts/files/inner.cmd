/4U=(V)
/END
/5U=(V)
