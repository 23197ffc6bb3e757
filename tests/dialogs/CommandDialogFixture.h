// Widget tests of the command-building dialogs: a fresh command line to
// append to, the language switched as the lexicons would, and the parser's
// verdict on what a dialog typed.
#pragma once

#include <string>
#include <string_view>

#include "engine/Tiles.h"
#include "processor/CommandLine.h"
#include "processor/Console.h"
#include "processor/Settings.h"
#include "support/qt/SmallDialogTest.h"

namespace qora {

class CommandDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        WritePromptLine();
    }

    static void UseLanguage(Language language) {
        SetLanguageTables(language);
        LoadBuiltInSettings();
    }

    // The parser's error for a line, "" when it has none.
    static std::string ErrorOf(std::string_view line) {
        const ParseResult result = ParseCommandLine(line);
        return result.HasError() ? result.Message->Text : "";
    }
};

}  // namespace qora
