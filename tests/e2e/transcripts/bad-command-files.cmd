# A command file with binary junk stops at its bad line; a missing one is
# refused; a line that does not parse ends the file at once.
#typed
/X"junk.cmd"
/X"missing.cmd"
/X"unbalanced.cmd"
