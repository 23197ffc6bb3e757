#include "games/rules/GameWindows.h"

#include "platform/ProgramState.h"

namespace qora {

bool GridGameActive = false;
bool WordBuildingGameOpen = false;
bool WordBuildingGameActivated = false;
bool WordBuildingSolvingAllowed = false;

namespace {

void ResetGameWindowFlags() {
    GridGameActive = false;
    WordBuildingGameOpen = false;
    WordBuildingGameActivated = false;
    WordBuildingSolvingAllowed = false;
}

const ProgramStateReset registerResetGameWindowFlags(ResetGameWindowFlags);

}  // namespace

}  // namespace qora
