// Whether a game window is open. The game windows set these while they are
// open; the main window does not restart its revert-to-challenge countdown
// meanwhile.
#pragma once

namespace qora {

extern bool GridGameActive;        // the 5 x 5 game window
extern bool WordBuildingGameOpen;  // the Word-Building Game window

}  // namespace qora
