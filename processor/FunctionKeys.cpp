#include "processor/FunctionKeys.h"

namespace qora {

std::array<FunctionKey, FunctionKeyCount> FunctionKeys;

void ResetFunctionKeys() { FunctionKeys = {}; }

}  // namespace qora
