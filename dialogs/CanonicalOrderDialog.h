// The canonical-order dialogs: the operations that type an ordering command
// onto the command line, used by the dialogs' OK and by the main window's
// ordering lists.
#pragma once

#include <string_view>

namespace qora {

// Appends "/.\"" + the ordering + "\"", the order of the tiles of random racks
// (no blank follows).
void AppendRackOrderCommand(std::string_view ordering);

// Appends "/;\"" + the ordering + "\"", the order of the letters of output
// words (no blank follows).
void AppendCanonOrderCommand(std::string_view ordering);

}  // namespace qora
