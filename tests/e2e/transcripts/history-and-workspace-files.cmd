# The command history and the workspace written to files; a history file's
# commands join the history.
#written: history.cmd Workspace.txt all-history.cmd
/1U=A
/FWH
/FRH"old.cmd"
/FWS
/FWH"all-history.cmd"
