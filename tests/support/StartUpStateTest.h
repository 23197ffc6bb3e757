// A test fixture that starts and ends every test with the program in its
// start-up state (ResetProgramState): for the tests of units that read the
// language tables, the settings or other globals.
#pragma once

#include <gtest/gtest.h>

#include "platform/ProgramState.h"

namespace qora::test {

class StartUpStateTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }
};

}  // namespace qora::test
