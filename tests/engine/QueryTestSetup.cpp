#include "QueryTestSetup.h"

#include "engine/Lexicons.h"
#include "engine/Wordlists.h"
#include "processor/Parser.h"
#include "processor/Settings.h"

namespace qora::test {

void QueryTest::SetUp() { EngineDataTest::SetUp(); }

void QueryTest::TearDown() {
    SolveLetterGrid = nullptr;
    EngineDataTest::TearDown();
}

void QueryTest::UseLexicon(const std::vector<std::string>& lines, Language language) {
    folder_.Add("TEST.QLX", lines, language);
    folder_.Load();
    Mapping = RotationLetterMapping();
}

ParsedCommand QueryTest::Parse(const std::string& line) {
    ParsedCommand command;
    const ParseResult result = ParseLine(line, BuiltInSettings(), false, command);
    EXPECT_FALSE(result.HasError()) << line << ": " << result.Message->Text;
    return command;
}

QueryEnd QueryTest::Evaluate(const std::string& line) {
    Output = RecordingOutput{};
    QueryEnvironment environment;
    environment.LetterMapping = Mapping;
    environment.Stop = &Stop;
    return EvaluateQuery(Parse(line), environment, Output);
}

std::vector<std::string> QueryTest::SlateItems() {
    std::vector<std::string> items;
    for (const WordlistItem& item : Slate.Items()) {
        std::string text(item.Text);
        for (std::size_t i = 0; i < text.size(); ++i)
            if (item.Marks.test(i)) text[i] = static_cast<char>(text[i] + 32);
        items.push_back(text);
    }
    return items;
}

std::vector<std::string> QueryTest::Query(const std::string& line) {
    EXPECT_EQ(Evaluate(line), QueryEnd::Completed) << line;
    EXPECT_TRUE(Output.Errors.empty()) << line << ": " << (Output.Errors.empty() ? "" : Output.Errors[0]);
    return SlateItems();
}

void QueryTest::SetSlate(const std::vector<std::string>& items) {
    ClearWordlist(Slate);
    for (const std::string& item : items) AppendWordlistItem(Slate, item, false);
}

}  // namespace qora::test
