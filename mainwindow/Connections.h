// The links between the command processor and the main window: the
// processor's own parts (ConnectCommandProcessor), the console's edit hooks,
// the settings display after a check, the error reporter's status text, the
// executor's window hooks, the threads' hooks and the wake-up of the
// synchronous bridge, and the lexicon-status hook. Everything the processor
// asks of the window from a worker thread passes the bridge to the main
// thread.
#pragma once

#include "processor/CommandLine.h"

namespace qora {

class TForm2;

// Plugs the processor into the main window (once the window exists).
void ConnectMainWindow(TForm2& form);
// Undoes ConnectMainWindow (tests).
void DisconnectMainWindow();

// The handling of the command line typed in the workspace: silent re-check
// (false, false) or check (true, false). Performing is the processor's
// PerformCommandLine.
ProcessedLine HandleTypedCommandLine(bool reportErrors, bool perform);

}  // namespace qora
