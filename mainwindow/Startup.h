// Start-up of the program, in this order: every form is created (the main
// window first) and linked to the command processor; the main window is
// sized to the screen and shown, and the workspace measured; the built-in
// settings are loaded and the wordlists and sets emptied; then FinishStartup
// finds the lexicons, reads the initialization file, applies the workspace
// font, writes the welcome text (none when a command file is given), opens
// the definitions file, hands the command file to the command-file thread
// and looks for the sound files.
#pragma once

#include <string>
#include <vector>

#include "processor/StartupOptions.h"

namespace qora {

// Creates every form and shows the main window; the start-up up to
// FinishStartup.
void CreateForms();
// Deletes the forms again (tests).
void DestroyForms();

// The rest of the start-up, in the current folder. Returns "" or the reason
// the program cannot run; the caller then shows the fatal error.
std::string FinishStartup(const StartupOptions& options);

// The welcome text: the program, the primary lexicon and what to do.
std::vector<std::string> WelcomeLines();

}  // namespace qora
