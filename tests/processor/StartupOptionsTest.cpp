#include "processor/StartupOptions.h"

#include <gtest/gtest.h>

namespace qora {
namespace {

StartupOptions Parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "qora");
    return ParseStartupOptions(static_cast<int>(arguments.size()), arguments.data());
}

TEST(StartupOptionsTest, ReadsEachOptionWithItsValueApartOrGlued) {
    auto options = Parse({"-i", "club.ini", "-f", "12", "-x", "start.cmd"});
    EXPECT_EQ(options.IniFileName, "club.ini");
    EXPECT_EQ(options.WorkspaceFontSize, std::optional<int>(12));
    EXPECT_EQ(options.CommandFileName, "start.cmd");
    EXPECT_TRUE(options.Warnings.empty());

    options = Parse({"-iother.ini", "-f9", "-xrun.cmd", "-xlast.cmd"});
    EXPECT_EQ(options.IniFileName, "other.ini");
    EXPECT_EQ(options.WorkspaceFontSize, std::optional<int>(9));
    EXPECT_EQ(options.CommandFileName, "last.cmd") << "the last one counts";

    options = Parse({});
    EXPECT_EQ(options.IniFileName, "");
    EXPECT_EQ(options.WorkspaceFontSize, std::nullopt);
    EXPECT_EQ(options.CommandFileName, "");
}

TEST(StartupOptionsTest, AnythingElseIsIgnoredWithAWarning) {
    const auto options = Parse({"-q", "words", "-f", "abc", "-f", "99999999999999999999", "-f", "3", "-i"});
    EXPECT_EQ(options.WorkspaceFontSize, std::nullopt);
    EXPECT_EQ(options.IniFileName, "");
    EXPECT_EQ(
        options.Warnings,
        (std::vector<std::string>{"The argument \"-q\" is not an option of QORA and is ignored",
                                  "The argument \"words\" is not an option of QORA and is ignored",
                                  "The option -f needs a font size from 4 to 144; \"abc\" is ignored",
                                  "The option -f needs a font size from 4 to 144; \"99999999999999999999\" is ignored",
                                  "The option -f needs a font size from 4 to 144; \"3\" is ignored",
                                  "The option -i needs a value and is ignored"}));
}

}  // namespace
}  // namespace qora
