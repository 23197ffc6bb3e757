// The one reset brings each global back to its state at start, whichever
// unit owns it (scripts/check-resets.py checks that each one has a reset).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/Board.h"
#include "engine/Presentation.h"
#include "engine/Tiles.h"
#include "engine/Wordlists.h"
#include "platform/ProgramState.h"
#include "processor/FunctionKeys.h"
#include "processor/PageSettings.h"

namespace qora::testing {
namespace {

template <typename T>
std::string Bytes(const T& value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

struct ResetCase {
    const char* global;
    std::function<void()> change;
    std::function<std::string()> state;
};

TEST(ProgramStateTest, TheResetBringsEachGlobalBackToItsStart) {
    const ResetCase cases[] = {
        {"BoardLayout", [] { SetUpBoardLayout(LargeBoardSize); },
         [] { return std::to_string(BoardLayoutSize) + Bytes(BoardLayout); }},
        {"ItemsToShow", [] { ItemsToShow = 5; }, [] { return std::to_string(ItemsToShow); }},
        {"FunctionKeys",
         [] {
             FunctionKeys[2] = {"/X", true, true};
         },
         [] { return FunctionKeys[2].Macro + Bytes(FunctionKeys[2].Replace) + Bytes(FunctionKeys[2].Run); }},
        {"page settings", [] { CurrentPageSettings.TopMargin = IniPageSettings.LeftMargin = 7; },
         [] { return Bytes(PageSettingsValues(CurrentPageSettings)) + Bytes(PageSettingsValues(IniPageSettings)); }},
        {"language tables", [] { SetLanguageTables(Language::Spanish); },
         [] { return LanguageName(ActiveLanguage()) + Bytes(TileCounts) + Bytes(TileScores) + Bytes(MaxTileCount); }},
        {"WordlistProgressHook", [] { WordlistProgressHook = [](std::int32_t) {}; },
         [] { return std::string(WordlistProgressHook ? "set" : "empty"); }},
    };
    for (const ResetCase& reset : cases) {
        ResetProgramState();
        const std::string start = reset.state();
        reset.change();
        ASSERT_NE(reset.state(), start) << reset.global << " did not change";
        ResetProgramState();
        EXPECT_EQ(reset.state(), start) << reset.global;
    }
}

}  // namespace
}  // namespace qora::testing
