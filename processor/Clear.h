// The Clear operations: what the Clear dialog empties, and restoring the
// initial settings.
//
// Each part is cleared on its own; the command line being typed is never
// lost. The operations run on the main thread while nothing else runs (the
// main window's controls are disabled while a query or a command file runs).
#pragma once

namespace qora {

struct ClearChoice {
    bool Workspace = false;        // the workspace text; the command line stays
    bool Slate = false;            // the slate's items
    bool Wordlists = false;        // the numbered wordlists 1 to 99 (a flashcard drill stops)
    bool UserSets = false;         // the user-defined sets
    bool CommandHistory = false;   // the command history
    bool InitialSettings = false;  // the settings back to those of start-up (RevertToInitialSettings)

    bool Any() const { return Workspace || Slate || Wordlists || UserSets || CommandHistory || InitialSettings; }
};

// Clears the parts the choice names and re-checks the command line (it may
// name a wordlist or a set that is gone, or rest on settings that are). The
// windows hear of it as of the commands that change those parts: the
// console's observer, and the executor's hooks that refill the lists of
// wordlists and sets and show the flashcard state.
void ClearSelected(const ClearChoice& choice);

}  // namespace qora
