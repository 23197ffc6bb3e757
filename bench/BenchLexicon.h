// The lexicons that the benchmarks search: the English one built from
// /usr/share/dict/american-english-large when the run starts (or taken from
// the file named by QORA_BENCH_LEXICON), the French one from
// /usr/share/dict/french; each compiled once per run into a folder that is
// removed at exit.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/Lexicons.h"
#include "tools/LexiconCompiler.h"

namespace qora::bench {

inline const std::filesystem::path& BenchFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / ("qora-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        std::atexit([] { std::filesystem::remove_all(BenchFolder()); });
        return path;
    }();
    return folder;
}

// A folder holding one lexicon, compiled from the word list once per run.
inline std::string LexiconFolder(const std::string& name, const std::string& wordList, Language language) {
    static std::map<std::string, std::string> built;
    if (auto it = built.find(name); it != built.end()) return it->second;
    const auto folder = BenchFolder() / name;
    std::filesystem::create_directories(folder);
    const auto file = folder / (name + ".QLX");
    const char* given = language == Language::English ? std::getenv("QORA_BENCH_LEXICON") : nullptr;
    std::string error;
    if (given != nullptr && *given != '\0') {
        std::filesystem::copy_file(given, file, std::filesystem::copy_options::overwrite_existing);
    } else {
        LexiconBuildOptions options;
        options.language = language;
        options.shortName = name;
        std::vector<unsigned char> image;
        LexiconBuildReport report;
        if (!CompileWordList(wordList, options, image, report, error) || !WriteFileBytes(file.string(), image, error)) {
            std::fprintf(stderr, "benchmark lexicon: %s\n", error.c_str());
            std::exit(1);
        }
    }
    return built[name] = folder.string();
}

inline std::string EnglishFolder() {
    return LexiconFolder("ENGLISH", "/usr/share/dict/american-english-large", Language::English);
}
inline std::string FrenchFolder() { return LexiconFolder("FRENCH", "/usr/share/dict/french", Language::French); }

inline void Load(const std::string& folder) {
    std::string error;
    if (!FindLexiconFiles(folder, error) || !ChooseLexicons(0, -1, 0, error)) {
        std::fprintf(stderr, "benchmark lexicon: %s\n", error.c_str());
        std::exit(1);
    }
}

// The English lexicon as the primary one, loaded once.
inline const LexiconRecord& English() {
    const LexiconRecord* primary = LexiconOfRole(PrimaryRole);
    if (primary == nullptr || primary->ShortName != "ENGLISH") {
        Load(EnglishFolder());
        primary = LexiconOfRole(PrimaryRole);
    }
    return *primary;
}

// The machine may be shared, so with --benchmark_repetitions each benchmark
// also reports its fastest repetition, the figure least disturbed by others.
inline double Fastest(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }

}  // namespace qora::bench
