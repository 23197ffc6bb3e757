// The one reset of the program's state, for the headless runner and every
// test fixture.
//
// Each unit that owns globals defines the reset of its own globals and
// registers it here with a ProgramStateReset object at namespace scope in its
// source file; ResetProgramState() runs every reset registered by the units
// that are linked into the program, in the order of their stages. A global
// added later is reset by adding it to its owner's reset, nowhere else.
#pragma once

namespace qora {

// When a reset runs: the work that runs on threads is stopped first, then
// the data is emptied, then the settings (which depend on the language
// tables that the data resets leave) are loaded again.
enum class ResetStage { StopWork, Data, Settings };

class ProgramStateReset {
public:
    ProgramStateReset(void (*reset)(), ResetStage stage = ResetStage::Data);
};

// Everything back to the state before start-up: no thread running, no
// lexicon, empty wordlists, sets and console, the built-in settings.
void ResetProgramState();

}  // namespace qora
