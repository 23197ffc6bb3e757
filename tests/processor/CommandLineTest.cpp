// The three ways a command line is handled, where its messages go, the "!"
// and "^" insertions, and the hooks that the console, the executor and the
// main window plug in.
#include <vector>

#include "ParserFixture.h"

namespace qora::testing {
namespace {

// Records what the reporter shows.
class RecordingSink : public ErrorReportSink {
public:
    void ShowStatusText(const std::string& text) override { Status.push_back(text); }
    void WriteOutputLine(const std::string& text) override { Output.push_back(text); }
    void ColourErrorCharacter(std::int32_t position) override { Coloured.push_back(position); }
    std::vector<std::string> Status;
    std::vector<std::string> Output;
    std::vector<int> Coloured;
};

class CommandLineTest : public ParserTest {
protected:
    void SetUp() override {
        ParserTest::SetUp();
        SetErrorReportSink(&sink_);
        CommandLineHandlers.AppendToHistory = [this](const std::string& line) { history_.push_back(line); };
        CommandLineHandlers.PerformCommand = [this](const ParsedCommand& command) { performed_.push_back(command); };
        CommandLineHandlers.ShowImpliedSettings = [this] { ++shown_; };
    }

    ProcessedLine Silent(std::string_view text) { return ProcessCommandLine({text, &history_, false}, false, false); }
    ProcessedLine Check(std::string_view text) { return ProcessCommandLine({text, &history_, false}, true, false); }
    ProcessedLine Perform(std::string_view text, bool fromFile = false) {
        return ProcessCommandLine({text, &history_, fromFile}, true, true);
    }

    RecordingSink sink_;
    std::vector<std::string> history_;
    std::vector<ParsedCommand> performed_;
    int shown_ = 0;
};

TEST_F(CommandLineTest, TheSilentReCheckShowsNothingButSetsTheFlags) {
    EXPECT_TRUE(Silent("AB#").HasError);
    EXPECT_EQ(CommandLineHasError, 1);
    EXPECT_TRUE(sink_.Status.empty() && sink_.Output.empty() && sink_.Coloured.empty());

    EXPECT_FALSE(Silent("ABC,DE").HasError);
    EXPECT_EQ(CommandLineHasError, 0);
    EXPECT_EQ(RackMode, 1);
    EXPECT_EQ(CurrentCommand.QueryElements.size(), 5u);
    EXPECT_TRUE(performed_.empty());
    EXPECT_TRUE(history_.empty());
}

TEST_F(CommandLineTest, EveryCheckWithoutErrorShowsTheImpliedSettings) {
    Silent("/|=7 ABC");
    EXPECT_EQ(DisplayedSettings.LengthFilter, (NumericFilter{1, RelationEqual, 7, 0}));
    EXPECT_EQ(&QuerySettings, &CurrentCommand.QuerySettings);
    EXPECT_EQ(DisplayedSettings, QuerySettings);
    EXPECT_EQ(shown_, 1);
    Silent("/|=8 AB#");
    EXPECT_EQ(DisplayedSettings.LengthFilter.Value1, 7) << "a line with an error leaves the controls alone";
    EXPECT_EQ(shown_, 1);
}

TEST_F(CommandLineTest, CheckReportsErrorsAndWarningsInTheStatusText) {
    EXPECT_TRUE(Check("AB#").HasError);
    EXPECT_EQ(sink_.Status, (std::vector<std::string>{"Error - \"#\" (at character 3) is illegal in this command"}));
    EXPECT_EQ(sink_.Coloured, (std::vector<int>{3}));
    EXPECT_TRUE(sink_.Output.empty());

    EXPECT_FALSE(Check("/|5-3 ABC").HasError);
    EXPECT_EQ(sink_.Status.back(), "Warning - The relation at character 3 can never hold");
    EXPECT_EQ(CommandLineHasError, 0);
    EXPECT_EQ(sink_.Coloured.size(), 1u) << "warnings are not coloured";
    EXPECT_TRUE(performed_.empty());
}

TEST_F(CommandLineTest, PerformWritesErrorsToTheWorkspaceAndHidesWarnings) {
    EXPECT_TRUE(Perform("/100W").HasError);
    EXPECT_EQ(sink_.Output,
              (std::vector<std::string>{"Error - The wordlist number at character 2 must be from 1 to 99", ""}));
    EXPECT_TRUE(sink_.Status.empty());
    EXPECT_TRUE(performed_.empty());
    EXPECT_EQ(history_, (std::vector<std::string>{"/100W"})) << "a failed line can be recalled";

    sink_.Output.clear();
    EXPECT_FALSE(Perform("/|5-3 ABC").HasError);
    EXPECT_TRUE(sink_.Output.empty());
    ASSERT_EQ(performed_.size(), 1u);
    EXPECT_EQ(performed_[0].Kind, CommandKind::Query);
    EXPECT_EQ(history_.back(), "/|5-3 ABC");
}

TEST_F(CommandLineTest, OnlyTypedLinesWithoutInsertionsAreColoured) {
    Perform("AB#", true);
    EXPECT_TRUE(sink_.Coloured.empty()) << "command-file line";
    history_ = {"ABC"};
    Perform("!#");
    EXPECT_TRUE(sink_.Coloured.empty()) << "expanded line";
    EXPECT_EQ(sink_.Output.back(), "");
    EXPECT_EQ(sink_.Output[sink_.Output.size() - 2],
              "Error - \"#\" (at character 4 of the expanded command) is illegal in this command");
    Perform("AB#");
    EXPECT_EQ(sink_.Coloured, (std::vector<int>{3}));
}

TEST_F(CommandLineTest, ALeadingExclamationRecallsTheHistory) {
    const std::vector<std::string> history = {"ABC", "/|=7 ", "XYZ,Q"};
    EXPECT_EQ(ExpandCommandLine("!", history).Text, "XYZ,Q");
    EXPECT_EQ(ExpandCommandLine("!D", history).Text, "XYZ,QD");
    EXPECT_EQ(ExpandCommandLine("!3", history).Text, "ABC");
    EXPECT_EQ(ExpandCommandLine("!2ABC", history).Text, "/|=7 ABC");
    EXPECT_EQ(ExpandCommandLine("!!", history).Text, "XYZ,Q!");
    EXPECT_TRUE(ExpandCommandLine("!1", history).Expanded);
    EXPECT_FALSE(ExpandCommandLine("ABC!", history).Expanded);

    const ExpandedLine tooFar = ExpandCommandLine("!4", history);
    ASSERT_TRUE(tooFar.Error.has_value());
    EXPECT_EQ(tooFar.Error->Text, "There is no command 4 back in the command history");
    EXPECT_EQ(ExpandCommandLine("!", {}).Error->Text, "There is no command 1 back in the command history");
    EXPECT_EQ(ExpandCommandLine("!0", history).Error->Text, "\"0\" (at character 2) is illegal in this command");
    EXPECT_TRUE(ExpandCommandLine("!99999999999999", history).Error.has_value());
}

TEST_F(CommandLineTest, ACaretInsertsThePreviousQuery) {
    const std::vector<std::string> history = {"ZZZ", "/|5 AB?/Z CD /O1"};
    EXPECT_EQ(ExpandCommandLine("^E", history).Text, "AB? CDE");
    EXPECT_EQ(ExpandCommandLine("^ /|6 ^", history).Text, "AB? CD /|6 AB? CD");
    EXPECT_EQ(ExpandCommandLine("/3L\"^\"", history).Text, "/3L\"^\"") << "quoted texts stay";
    EXPECT_EQ(ExpandCommandLine("!2^", history).Text, "ZZZAB? CD");

    const ExpandedLine none = ExpandCommandLine("AB^", std::vector<std::string>{"/5W"});
    ASSERT_TRUE(none.Error.has_value());
    EXPECT_EQ(none.Error->Text, "There is no previous query for the \"^\" at character 3");
    EXPECT_EQ(none.Error->Position, 3);

    const std::vector<std::string> longQuery = {std::string(400, 'A')};
    EXPECT_EQ(ExpandCommandLine("^^", longQuery).Text.size(), 800u);
    for (const std::string& line : {std::string("^^^"), std::string("!^^"), std::string(1001, 'A')}) {
        const ExpandedLine tooLong = ExpandCommandLine(line, longQuery);
        ASSERT_TRUE(tooLong.Error.has_value()) << line;
        EXPECT_EQ(tooLong.Error->Text, "The line is longer than 1000 characters");
    }
}

TEST_F(CommandLineTest, InsertionsApplyOnEveryCheckAndThePerformedLineJoinsTheHistory) {
    history_ = {"ABC"};
    EXPECT_FALSE(Silent("^D").HasError);
    EXPECT_EQ(CurrentCommand.QueryText, "ABCD");
    const ProcessedLine performed = Perform("!/|5 ");
    EXPECT_EQ(performed.Text, "ABC/|5 ");
    EXPECT_EQ(history_.back(), "ABC/|5 ");
    EXPECT_EQ(performed_.back().QuerySettings.LengthFilter.Value1, 5);

    Perform("");
    EXPECT_EQ(history_.size(), 2u) << "empty lines do not join the history";
    EXPECT_TRUE(Perform(std::string(1001, 'A')).HasError);
    EXPECT_EQ(history_.size(), 2u) << "nor lines longer than a command file's";
}

TEST_F(CommandLineTest, ACommandFileLineIsInTheHistoryAlreadyAndRecallsTheLinesBeforeIt) {
    history_ = {"ABC", "!D"};  // the command-file thread has echoed "!D"
    const ProcessedLine performed = Perform("!D", true);
    EXPECT_EQ(performed.Text, "ABCD");
    EXPECT_EQ(history_.size(), 2u) << "not added a second time";
    EXPECT_EQ(performed_.back().QueryText, "ABCD");
}

TEST_F(CommandLineTest, ExpansionErrorsAreReported) {
    EXPECT_TRUE(Check("!").HasError);
    EXPECT_EQ(sink_.Status.back(), "Error - There is no command 1 back in the command history");
    EXPECT_EQ(CommandLineHasError, 1);
    EXPECT_TRUE(sink_.Coloured.empty());
}

TEST_F(CommandLineTest, WithoutHooksOrSinkNothingHappens) {
    ResetCommandLine();
    ResetReportError();
    EXPECT_FALSE(ProcessCommandLine({"ABC"}, true, true).HasError);
    EXPECT_TRUE(ProcessCommandLine({"AB#"}, true, true).HasError);
    EXPECT_EQ(CommandLineHasError, 1);
}

TEST_F(CommandLineTest, ReportErrorPrefixesAndMarksTheLineFailed) {
    SetReportMode(ReportMode::Perform, true);
    CommandLineHasError = 0;
    ReportError({false, "Wordlist 5 does not exist", 0});
    EXPECT_EQ(sink_.Output, (std::vector<std::string>{"Error - Wordlist 5 does not exist", ""}));
    EXPECT_EQ(CommandLineHasError, 1);
    EXPECT_TRUE(sink_.Coloured.empty()) << "no character to colour";
    EXPECT_EQ(PrefixedMessage({true, "x", 0}), "Warning - x");
}

TEST_F(CommandLineTest, PendingSettingsBecomeStandingWhenACommandCompletes) {
    Perform("/Z! ABC");
    ASSERT_EQ(performed_.size(), 1u);
    AdoptPendingSettings(performed_[0]);
    EXPECT_EQ(StandingSettings.ZeroScoringBlanks, 1);
    Silent("ABC");
    EXPECT_EQ(QuerySettings.ZeroScoringBlanks, 1);
}

}  // namespace
}  // namespace qora::testing
