// qlxbuild: compiles a word list into a lexicon file.
//
//   qlxbuild --language english|spanish|french [--edition N] [--short-name S]
//            [--long-name L] [--max-length N] [--long-word-limit N]
//            [--skip-capitalised] WORDLIST OUTPUT.QLX
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/TextFiles.h"
#include "tools/LexiconCompiler.h"

namespace {

constexpr const char* Usage =
    "usage: qlxbuild --language english|spanish|french [--edition N] [--short-name S]\n"
    "                [--long-name L] [--max-length N] [--long-word-limit N]\n"
    "                [--skip-capitalised] WORDLIST OUTPUT.QLX\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "qlxbuild: %s\n", message.c_str());
    return 1;
}

bool ParseNumber(std::string_view text, long long low, long long high, long long& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

std::string BaseNameWithoutExtension(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name.substr(0, 15);
}

}  // namespace

int main(int argc, char** argv) {
    qora::LexiconBuildOptions options;
    bool languageGiven = false;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string text;
        long long number = 0;
        if (arg == "--language") {
            if (!value(text)) return Fail("--language needs a value\n" + std::string(Usage));
            if (text == "english")
                options.language = qora::Language::English;
            else if (text == "spanish")
                options.language = qora::Language::Spanish;
            else if (text == "french")
                options.language = qora::Language::French;
            else
                return Fail("unknown language \"" + text + "\" (english, spanish or french)");
            languageGiven = true;
        } else if (arg == "--edition" || arg == "--max-length" || arg == "--long-word-limit") {
            if (!value(text)) return Fail(arg + " needs a value");
            const long long high = arg == "--edition" ? 999 : arg == "--max-length" ? 32 : 65535;
            const long long low = arg == "--max-length" ? 2 : 0;
            if (!ParseNumber(text, low, high, number))
                return Fail(arg + " must be a number from " + std::to_string(low) + " to " + std::to_string(high));
            if (arg == "--edition")
                options.edition = static_cast<std::uint32_t>(number);
            else if (arg == "--max-length")
                options.maxLength = static_cast<int>(number);
            else
                options.longWordLimit = static_cast<int>(number);
        } else if (arg == "--short-name") {
            if (!value(options.shortName)) return Fail("--short-name needs a value");
        } else if (arg == "--long-name") {
            if (!value(options.longName)) return Fail("--long-name needs a value");
        } else if (arg == "--skip-capitalised") {
            options.skipCapitalised = true;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        } else if (arg.starts_with("--")) {
            return Fail("unknown option " + arg + "\n" + Usage);
        } else {
            files.push_back(arg);
        }
    }
    if (!languageGiven || files.size() != 2)
        return Fail(std::string("a language, a word list and an output file are needed\n") + Usage);
    if (options.shortName.empty()) options.shortName = BaseNameWithoutExtension(files[1]);
    // Names typed in a UTF-8 terminal are stored in the code page like all text.
    bool lostCharacter = false;
    options.shortName = qora::LineToCodePage(options.shortName, &lostCharacter);
    options.longName = qora::LineToCodePage(options.longName, &lostCharacter);
    if (lostCharacter) return Fail("the names may hold only characters of code page 1252");

    std::error_code notThere;
    if (std::filesystem::equivalent(files[0], files[1], notThere))
        return Fail("the output file " + files[1] + " is the word list itself");
    std::vector<unsigned char> image;
    qora::LexiconBuildReport report;
    std::string error;
    if (!qora::CompileWordList(files[0], options, image, report, error)) return Fail(error);
    if (!qora::WriteFileBytes(files[1], image, error)) return Fail(error);
    const std::string capitalised =
        options.skipCapitalised ? ", " + std::to_string(report.capitalised) + " capitalised words left out" : "";
    std::printf(
        "qlxbuild: %s: %d words kept, %d lines skipped (not words of the language)%s, "
        "%d duplicates, %d outside 2 to %d tiles; %zu nodes\n",
        files[1].c_str(), report.kept, report.skipped, capitalised.c_str(), report.duplicates, report.tooShortOrLong,
        options.maxLength != 0 ? options.maxLength : 32, report.nodes);
    return 0;
}
