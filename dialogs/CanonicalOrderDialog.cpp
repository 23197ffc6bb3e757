#include "dialogs/CanonicalOrderDialog.h"

#include <string>

#include "processor/Console.h"

namespace qora {

void AppendRackOrderCommand(std::string_view ordering) { AppendToCommandLine("/.\"" + std::string(ordering) + "\""); }

void AppendCanonOrderCommand(std::string_view ordering) { AppendToCommandLine("/;\"" + std::string(ordering) + "\""); }

}  // namespace qora
