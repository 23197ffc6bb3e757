#include "platform/ProgramState.h"

#include <utility>
#include <vector>

namespace qora {

namespace {

std::vector<std::pair<ResetStage, void (*)()>>& Resets() {
    // Made on first use: the units register while static objects are made.
    static std::vector<std::pair<ResetStage, void (*)()>> resets;  // no-reset: the resets themselves
    return resets;
}

}  // namespace

ProgramStateReset::ProgramStateReset(void (*reset)(), ResetStage stage) { Resets().emplace_back(stage, reset); }

void ResetProgramState() {
    for (const ResetStage stage : {ResetStage::StopWork, ResetStage::Data, ResetStage::Settings}) {
        for (const auto& [registeredStage, reset] : Resets())
            if (registeredStage == stage) reset();
    }
}

}  // namespace qora
