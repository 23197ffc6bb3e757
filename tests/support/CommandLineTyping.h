// A test fixture for what controls and dialogs type onto the command line:
// each test starts with the program's start-up state and an empty prompt
// line, counts the re-checks of the line, and reads back what an append
// typed.
#pragma once

#include <string>

#include "StartUpStateTest.h"
#include "processor/Console.h"

namespace qora::test {

class CommandLineTyping : public StartUpStateTest {
protected:
    void SetUp() override {
        StartUpStateTest::SetUp();
        WritePromptLine();
        ConsoleEditHooks.RecheckCommandLine = [this] { ++rechecks; };
    }

    // The command line typed by `append` from an empty one.
    template <typename Append>
    std::string Typed(Append append) {
        SetCommandLine("");
        append();
        return CommandLine();
    }

    int rechecks = 0;
};

}  // namespace qora::test
