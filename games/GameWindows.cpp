#include "games/GameWindows.h"

namespace qora {

bool GridGameActive = false;
bool WordBuildingGameOpen = false;

}  // namespace qora
