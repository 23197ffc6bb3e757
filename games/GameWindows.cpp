#include "games/GameWindows.h"

#include "platform/ProgramState.h"

namespace qora {

bool GridGameActive = false;
bool WordBuildingGameOpen = false;

namespace {

void ResetGameWindowFlags() {
    GridGameActive = false;
    WordBuildingGameOpen = false;
}

const ProgramStateReset registerResetGameWindowFlags(ResetGameWindowFlags);

}  // namespace

}  // namespace qora
