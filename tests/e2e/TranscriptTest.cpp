// Transcript tests: every tests/e2e/transcripts/NAME.cmd is performed on a
// fresh processor and the workspace it leaves (then the files it names) is
// compared with NAME.expected. Each runs headless; those marked "#program"
// also run in the real program with -x. QORA_RECORD_TRANSCRIPTS=1 writes the
// .expected files instead of comparing. The format is in
// tests/e2e/transcripts/README.md.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iterator>
#include <optional>

#include "e2e/HeadlessFixture.h"
#include "processor/Console.h"
#include "support/ProgramRun.h"

namespace qora::test {
namespace {

namespace fs = std::filesystem;

// A transcript's lines and what its "#" lines ask for.
struct Transcript {
    std::string name;
    std::string commands;  // the lines, with the "#" lines left blank so that line numbers hold
    std::vector<std::string> lexicons{"ENGLISH"};
    Language language = Language::English;
    std::string iniFile;
    bool typed = false;
    bool inProgram = false;
    std::vector<std::string> written;
    std::string fault;  // a "#" line that is neither a comment nor a directive
};

std::vector<std::string> WordsOf(const std::string& text) {
    std::istringstream stream(text);
    return {std::istream_iterator<std::string>(stream), std::istream_iterator<std::string>()};
}

std::optional<Language> LanguageNamed(const std::string& name) {
    for (Language language : {Language::English, Language::Spanish, Language::French})
        if (name == LanguageName(language)) return language;
    return std::nullopt;
}

void ReadDirective(const std::string& line, Transcript& transcript) {
    std::vector<std::string> values = WordsOf(line.substr(1));
    const std::string key = values.empty() ? "" : values.front();
    if (!values.empty()) values.erase(values.begin());
    const std::optional<Language> language = values.size() == 1 ? LanguageNamed(values[0]) : std::nullopt;
    if (key == "lexicons:" && !values.empty())
        transcript.lexicons = values;
    else if (key == "language:" && language)
        transcript.language = *language;
    else if (key == "ini:" && values.size() == 1)
        transcript.iniFile = values[0];
    else if (key == "written:" && !values.empty())
        transcript.written = values;
    else if (key == "typed" && values.empty())
        transcript.typed = true;
    else if (key == "program" && values.empty())
        transcript.inProgram = true;
    else
        transcript.fault = "neither a comment (\"# \") nor a directive: " + line;
}

Transcript ReadTranscript(const std::string& name) {
    Transcript transcript;
    transcript.name = name;
    for (const std::string& line : ReadLines(TranscriptFolder / (name + ".cmd"))) {
        if (line.starts_with('#') && !line.starts_with("# ") && line != "#") ReadDirective(line, transcript);
        transcript.commands += line.starts_with('#') ? "\n" : line + "\n";
    }
    return transcript;
}

// The names of the transcripts, in order; only those marked "#program" when asked.
std::vector<std::string> TranscriptNames(bool inProgramOnly) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(TranscriptFolder))
        if (entry.path().extension() == ".cmd") {
            const std::string name = entry.path().stem().string();
            if (!inProgramOnly || ReadTranscript(name).inProgram) names.push_back(name);
        }
    std::sort(names.begin(), names.end());
    return names;
}

// Test names take letters, digits and "_" only.
std::string TestNameOf(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

// The lines that differ, with two lines around them, as a unified diff.
std::string LineDiff(const std::string& expected, const std::string& actual) {
    const auto split = [](const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream stream(text);
        for (std::string line; std::getline(stream, line);) lines.push_back(line);
        return lines;
    };
    const std::vector<std::string> before = split(expected), after = split(actual);
    std::size_t first = 0, last = 0;  // lines alike at the start and at the end
    while (first < before.size() && first < after.size() && before[first] == after[first]) ++first;
    while (last < before.size() - first && last < after.size() - first &&
           before[before.size() - 1 - last] == after[after.size() - 1 - last])
        ++last;
    const std::size_t from = first < 2 ? 0 : first - 2;
    std::string diff = "@@ line " + std::to_string(from + 1) + " @@\n";
    for (std::size_t i = from; i < first; ++i) diff += " " + before[i] + "\n";
    for (std::size_t i = first; i < before.size() - last; ++i) diff += "-" + before[i] + "\n";
    for (std::size_t i = first; i < after.size() - last; ++i) diff += "+" + after[i] + "\n";
    for (std::size_t i = after.size() - last; i < std::min(after.size(), after.size() - last + 2); ++i)
        diff += " " + after[i] + "\n";
    return diff;
}

class TranscriptTest : public HeadlessTest, public testing::WithParamInterface<std::string> {
protected:
    // Fills the run folder: the files of files/, the lexicons and the
    // command file.
    void Prepare() {
        ASSERT_EQ(transcript_.fault, "");
        for (const fs::directory_entry& entry : fs::directory_iterator(TranscriptFolder / "files"))
            fs::copy_file(entry.path(), entry.path().filename());
        for (const std::string& lexicon : transcript_.lexicons)
            AddLexicon(lexicon + ".QLX", TestWordList(lexicon), transcript_.language);
        WriteFile(transcript_.name + ".cmd", transcript_.commands);
    }

    // The workspace, then each written file after a line "=== NAME".
    std::string WithWrittenFiles(std::string text) const {
        for (const std::string& name : transcript_.written) {
            if (!fs::exists(name)) {
                text += "=== " + name + " (not written)\n";
                continue;
            }
            const std::string bytes = ReadFile(name);
            text += "=== " + name + "\n" + bytes + (bytes.empty() || bytes.ends_with('\n') ? "" : "\n");
        }
        return text;
    }

    // Compares with NAME.expected, or records it when asked to.
    void Compare(const std::string& actual, bool mayRecord) const {
        const fs::path expectedFile = TranscriptFolder / (transcript_.name + ".expected");
        const char* record = std::getenv("QORA_RECORD_TRANSCRIPTS");
        if (mayRecord && record != nullptr && std::string(record) == "1") {
            WriteFile(expectedFile.string(), actual);
            return;
        }
        ASSERT_TRUE(fs::exists(expectedFile))
            << expectedFile << " is missing: record it with QORA_RECORD_TRANSCRIPTS=1";
        const std::string expected = ReadFile(expectedFile.string());
        EXPECT_TRUE(expected == actual) << transcript_.name << ".expected (-) and what the run gave (+):\n"
                                        << LineDiff(expected, actual)
                                        << "After a deliberate change, re-record with QORA_RECORD_TRANSCRIPTS=1 "
                                           "and review the diff.";
    }

    const Transcript transcript_ = ReadTranscript(GetParam());
};

class HeadlessTranscript : public TranscriptTest {};

TEST_P(HeadlessTranscript, Matches) {
    ASSERT_NO_FATAL_FAILURE(Prepare());
    Start(transcript_.iniFile);
    if (!transcript_.typed) {
        RunCommandFile(transcript_.name + ".cmd");
    } else {
        for (const std::string& line : ReadLines(transcript_.name + ".cmd"))
            if (line.find_first_not_of(' ') != std::string::npos) Perform(line);
    }
    Compare(WithWrittenFiles(Workspace()), true);
}

INSTANTIATE_TEST_SUITE_P(Transcripts, HeadlessTranscript, testing::ValuesIn(TranscriptNames(false)), TestNameOf);

class ProgramTranscript : public TranscriptTest {};

// The command file ends by writing the workspace to a file and ending the
// program, so a transcript run here must not end in an error.
TEST_P(ProgramTranscript, Matches) {
    ASSERT_NO_FATAL_FAILURE(Prepare());
    const std::string workspaceFile = "transcript-workspace.txt";
    WriteFile(transcript_.name + ".cmd", transcript_.commands + "/FWS\"" + workspaceFile + "\"\n/EXIT\n");
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string ini = transcript_.iniFile.empty() ? "" : "-i " + transcript_.iniFile + " ";
    const ProgramResult result = RunBuiltProgram("qora", ini + "-x " + transcript_.name + ".cmd");
    ASSERT_EQ(result.status, 0) << result.output;
    // The file ends with the prompt line of the command that wrote it, and
    // its separator lines span the window, not the headless workspace.
    ResetConsole();
    std::string workspace;
    for (const std::string& line : ReadLines(workspaceFile)) {
        const bool separator = !line.empty() && line.find_first_not_of('-') == std::string::npos;
        const bool last = line == "QORA?: /FWS\"" + workspaceFile + "\"";
        workspace += (last ? "QORA?: " : separator ? SeparatorLine() : line) + "\n";
    }
    Compare(WithWrittenFiles(workspace), false);
}

INSTANTIATE_TEST_SUITE_P(Transcripts, ProgramTranscript, testing::ValuesIn(TranscriptNames(true)), TestNameOf);

}  // namespace
}  // namespace qora::test
