// The lexicon compiler: turns a word list into a lexicon file (.QLX) holding a
// minimal word graph. Used by the qlxbuild tool and by tests that build their
// own small lexicons.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Lexicons.h"
#include "engine/Tiles.h"

namespace qora {

struct LexiconBuildOptions {
    Language language = Language::English;
    std::uint32_t edition = 0;     // the tree number's remainder, 0..999
    std::string shortName;         // at most 15 characters
    std::string longName;          // at most 63; defaults to the short name
    int maxLength = 0;             // 0: the longest word kept
    int longWordLimit = 0;         // 0: none
    bool skipCapitalised = false;  // leave out lines that begin with a capital (names, roman numerals)
    // The most word beginnings the loader takes; smaller only in tests, which
    // cannot afford a list that passes the loader's.
    std::uint64_t maxWordBeginnings = MaxLexiconPrefixes;
};

struct LexiconBuildReport {
    int kept = 0;         // distinct words in the lexicon
    int duplicates = 0;   // lines that folded to a word already kept
    int skipped = 0;      // lines that are no word of the language
    int capitalised = 0;  // words left out because they begin with a capital
    int tooShortOrLong = 0;
    std::size_t nodes = 0;
};

// Folds one line of a word list (code page 1252 or UTF-8, blanks around it
// and byte-order marks among the blanks at its start ignored) into the tile
// string of `language`,
// or nothing when the line is not a word of it. Case is folded. English takes
// A to Z only. Spanish folds accented vowels to the plain vowel and ñ to Ñ,
// makes CH, LL and RR single tiles and refuses K and W. French folds every
// letter with a mark to its plain letter, Æ and Œ to AE and OE. Length is
// not checked here.
std::optional<std::string> FoldWordListLine(std::string_view line, Language language);

// Builds the lexicon file image from tile strings of the options' language
// (any order, duplicates allowed). Deterministic: the same words give the
// same bytes. Returns false with a message in `error` for bad options, a
// string that is no tile string, no word left, a graph too large for the
// format, or an image that the program's loader would refuse (checked by the
// loader's own ValidateLexiconImage; its reason ends the message).
bool BuildLexiconImage(const std::vector<std::string>& words, const LexiconBuildOptions& options,
                       std::vector<unsigned char>& image, LexiconBuildReport& report, std::string& error);

// Reads a word list file (lines ending with LF, CR LF or CR), folds every
// line and builds the image. A line of blanks and byte-order marks alone is
// blank: it is passed over and not counted. With `skipCapitalised`, a word whose line begins
// with a capital letter (in either encoding) is left out and counted; the
// same word on a line of its own in small letters is kept.
bool CompileWordList(const std::string& wordListPath, const LexiconBuildOptions& options,
                     std::vector<unsigned char>& image, LexiconBuildReport& report, std::string& error);

// Writes a lexicon file image whole (WriteWholeFile: no reader sees a half
// written file, and a failed write leaves the old one as it was); false
// with "cannot write PATH: reason" in `error`.
bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes, std::string& error);

}  // namespace qora
