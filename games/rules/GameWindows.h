// Whether a game window is open. The game windows set these while they are
// open; the main window does not restart its revert-to-challenge countdown
// meanwhile.
#pragma once

namespace qora {

extern bool GridGameActive;        // the 5 x 5 game window
extern bool WordBuildingGameOpen;  // the Word-Building Game window

// Set when opening the Word-Building Game window stopped at its language
// warning; opening it from the menu or the command clears it.
extern bool WordBuildingGameActivated;
// The Games menu's option that shows the Word-Building Game's Solve /
// Highest Word button (and gives the window its green colour).
extern bool WordBuildingSolvingAllowed;

}  // namespace qora
