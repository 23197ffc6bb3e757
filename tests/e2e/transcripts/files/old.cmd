/4U=(V)

CAT/-?
