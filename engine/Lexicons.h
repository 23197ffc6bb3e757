// The lexicon table: the lexicon files found at start-up, which of them are
// the primary, secondary and challenge lexicons, and the values taken from
// the primary lexicon whenever the lexicons are chosen.
//
// A lexicon file is found and its header read at start-up; it is read whole
// into the program's own memory and its node array validated the first time
// it is chosen, and that copy stays until the program ends. A file rewritten
// or cut short afterwards (by a copy, an editor) cannot change or fault the
// walks. Validation is one linear pass over the nodes, after which every walk
// of the graph stays inside the array, and one walk of the graph that refuses
// a loop or more word beginnings than MaxLexiconPrefixes, so every search
// ends.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/LexiconFormat.h"
#include "engine/Tiles.h"

namespace qora {

constexpr int MaxLexiconFiles = 18;

// Roles of IsWordInLexicon and LexiconOfRole.
constexpr int ChallengeRole = 0;
constexpr int PrimaryRole = 1;
constexpr int SecondaryRole = 2;

using ListStarts = std::array<std::uint32_t, LexiconMaxWordLength + 2>;

constexpr ListStarts NoShallowLists() {
    ListStarts none{};
    none.fill(0xFFFFFFFFu);
    return none;
}

struct LexiconRecord {
    std::string Path;
    std::string FileName;  // as found in the folder; names the file in messages
    std::uint32_t TreeNumber = 0;
    Language LexiconLanguage = Language::English;
    std::int32_t MaxWordLength = 0;
    std::int32_t LongWordLimit = 0;
    std::string ShortName;  // at most 15 characters
    std::string LongName;   // at most 63 characters
    // The node array as read from the file when first chosen, never freed;
    // Nodes points to it once it has been validated.
    std::unique_ptr<LexiconNode[]> NodeStore;
    const LexiconNode* Nodes = nullptr;
    std::size_t NodeCount = 0;
    // ShallowListStart[k]: every sibling list that starts at this index or
    // later leads to words of fewer than k more tiles (k = 1 to 33; the bound
    // for k = 0 lies past every list), so a search that needs k more tiles
    // can leave it. The lexicon compiler lays lists out highest first, which
    // makes these bounds tight; for another layout, and until they are
    // computed, they leave nothing early.
    ListStarts ShallowListStart = NoShallowLists();
};

extern std::vector<LexiconRecord> LexiconTable;  // table order: by file name
extern std::int32_t LexiconCount;
extern std::int32_t PrimaryLexicon;
extern std::int32_t ChallengeLexicon;
extern std::int32_t SecondaryLexiconIndex;  // -1: no secondary lexicon

// Taken from the primary lexicon whenever the lexicons are chosen.
extern std::int32_t MaxWordLength;
extern std::int32_t LexiconLongWordLimit;
extern std::uint8_t ChallengeLexiconSpanish;
extern std::uint8_t SecondaryLexiconSpanish;

// The header fields of a lexicon file.
struct LexiconHeader {
    std::uint32_t TreeNumber = 0;
    Language LexiconLanguage = Language::English;
    std::int32_t MaxWordLength = 0;
    std::int32_t LongWordLimit = 0;
    std::string ShortName;  // empty when the file leaves it empty
    std::string LongName;
};

// Checks the header of a lexicon file of `fileSize` bytes whose first
// LexiconHeaderSize bytes are `bytes` (fewer when the file is shorter). On
// failure `reason` says why the file is no lexicon file, as a sentence.
bool ReadLexiconHeader(const unsigned char* bytes, std::size_t fileSize, LexiconHeader& header, std::string& reason);

// The most word beginnings (paths from the root to a node) that a lexicon's
// graph may spell. A search visits each beginning at most once for each
// state of its constraint, so this bounds the time of every walk; genuine
// word lists, even of millions of words, stay far below it, while a few
// kilobytes of crafted graph can spell 26^32 words.
constexpr std::uint64_t MaxLexiconPrefixes = std::uint64_t{1} << 28;

// Checks the node array of a lexicon of `language`: child indices inside the
// array, letters among the language's tiles in ascending order within each
// sibling list, and a last-sibling mark on the final node (one pass); then
// that the graph below the root has no loop and spells at most
// `maxPrefixes` word beginnings (one walk that counts each node once).
bool ValidateLexiconNodes(const LexiconNode* nodes, std::size_t nodeCount, Language language, std::string& reason,
                          std::uint64_t maxPrefixes = MaxLexiconPrefixes);

// A lexicon file's contents that passed every check: its header and its node
// array, copied out of the file's bytes.
struct ValidLexicon {
    LexiconHeader Header;
    std::unique_ptr<LexiconNode[]> Nodes;
    std::size_t NodeCount = 0;
};

// Checks the whole of a lexicon file's `size` bytes as the program does
// before it searches them (ReadLexiconHeader, then ValidateLexiconNodes on a
// copy of the node array) and fills `lexicon`. The loader and the lexicon
// compiler both call it, so the compiler writes no file the loader refuses.
bool ValidateLexiconImage(const unsigned char* bytes, std::size_t size, ValidLexicon& lexicon, std::string& reason,
                          std::uint64_t maxPrefixes = MaxLexiconPrefixes);

// The message for a file that is no lexicon file: "File NAME is not a
// lexicon file. " and the reason.
std::string NotALexiconMessage(const std::string& fileName, const std::string& reason);

// Fills ShallowListStart of a record whose nodes have been validated.
void ComputeShallowListStarts(LexiconRecord& lexicon);

// Finds the lexicon files ("*.QLX", any case) in `folder`, reads their
// headers and fills LexiconTable in file-name order (ignoring case). Nothing
// is loaded yet. On failure LexiconTable is left empty and `error` holds the
// message. Runs once at start-up: it drops any table found before.
bool FindLexiconFiles(const std::string& folder, std::string& error);

// Reads and validates the lexicon at `index` unless that was done before.
bool LoadLexicon(int index, std::string& error);

// Chooses the primary, secondary (-1 none) and challenge lexicons, loading
// each one that was not loaded before, then runs ShowLexiconStatus. On
// failure nothing changes and `error` names the file and the reason. At
// start-up it runs once the initialization file has set the three indices.
bool ChooseLexicons(int primary, int secondary, int challenge, std::string& error);

// The lexicon of a role (ChallengeRole, PrimaryRole, SecondaryRole), or null
// when there is none or it has not been loaded.
const LexiconRecord* LexiconOfRole(int role);

// The index of the lexicon whose short name is `name` (letter case
// ignored), or -1.
int FindLexiconByShortName(std::string_view name);

// What ShowLexiconStatus tells the windows that follow the lexicon choice.
struct LexiconStatusChange {
    // The primary lexicon's language differs from the one before; always set
    // the first time the lexicons are chosen.
    bool LanguageChanged = false;
    Language PreviousLanguage = Language::English;  // the active language before
};
using LexiconStatusHook = std::function<void(const LexiconStatusChange&)>;

// Registers a function that ShowLexiconStatus calls after its own part, in
// the order of registration (the main window: the language switch, the word
// reference positions, the probe word numbers, the captions).
void AddLexiconStatusHook(LexiconStatusHook hook);

// Runs after every choice of lexicons: sets the language flags and tables
// (when the language changes), MaxWordLength, LexiconLongWordLimit,
// ChallengeLexiconSpanish and SecondaryLexiconSpanish, then calls the hooks.
void ShowLexiconStatus();

// Back to the state before start-up: no lexicons, no hooks, no language
// chosen (the tile tables go back to English with their own unit's reset).
// Frees every lexicon, so no search may be running (tests only).
void ResetLexicons();

}  // namespace qora
