#include "processor/FunctionKeys.h"

#include "platform/ProgramState.h"

namespace qora {

std::array<FunctionKey, FunctionKeyCount> FunctionKeys;

void ResetFunctionKeys() { FunctionKeys = {}; }
const ProgramStateReset registerResetFunctionKeys(ResetFunctionKeys);

}  // namespace qora
