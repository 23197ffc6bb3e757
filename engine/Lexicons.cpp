#include "engine/Lexicons.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>

#include "engine/QueryEvaluation.h"
#include "engine/UserSets.h"
#include "engine/Wordlists.h"
#include "platform/Files.h"
#include "platform/ProgramState.h"

namespace qora {

static_assert(std::endian::native == std::endian::little,
              "lexicon nodes are copied from the file as little-endian words");

std::vector<LexiconRecord> LexiconTable;
std::int32_t LexiconCount = 0;
std::int32_t PrimaryLexicon = 0;
std::int32_t ChallengeLexicon = 0;
std::int32_t SecondaryLexiconIndex = -1;
std::int32_t MaxWordLength = 15;
std::int32_t LexiconLongWordLimit = 0;
std::uint8_t ChallengeLexiconSpanish = 0;
std::uint8_t SecondaryLexiconSpanish = 0;

namespace {

std::vector<LexiconStatusHook> statusHooks;
bool languageChosen = false;  // ShowLexiconStatus has set the language once

constexpr const char* LexiconSuffix = ".QLX";
constexpr std::size_t MinLexiconFileSize = LexiconHeaderSize + 2 * sizeof(LexiconNode);

std::uint32_t GetU32(const unsigned char* at) {
    return at[0] | (std::uint32_t{at[1]} << 8) | (std::uint32_t{at[2]} << 16) | (std::uint32_t{at[3]} << 24);
}

std::uint16_t GetU16(const unsigned char* at) { return static_cast<std::uint16_t>(at[0] | (at[1] << 8)); }

// The text of a NUL-terminated name field; false when the field has no NUL.
bool ReadNameField(const unsigned char* field, std::size_t width, std::string& name) {
    const void* nul = std::memchr(field, 0, width);
    if (nul == nullptr) return false;
    name.assign(reinterpret_cast<const char*>(field), static_cast<const unsigned char*>(nul) - field);
    return true;
}

unsigned char UpperAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c; }

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    const auto folded = [](unsigned char x, unsigned char y) { return UpperAscii(x) < UpperAscii(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded)) return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded)) return false;
    return a < b;  // names that differ only in case keep a fixed order
}

bool HasLexiconSuffix(const std::string& name) {
    const std::size_t n = std::strlen(LexiconSuffix);
    if (name.size() < n) return false;
    for (std::size_t k = 0; k < n; ++k)
        if (UpperAscii(static_cast<unsigned char>(name[name.size() - n + k])) != LexiconSuffix[k]) return false;
    return true;
}

std::string NameWithoutSuffix(const std::string& fileName, std::size_t width) {
    return fileName.substr(0, std::min(fileName.size() - std::strlen(LexiconSuffix), width));
}

std::string CannotOpen(const std::string& fileName) { return "Lexicon file " + fileName + " cannot be opened."; }

// Takes the header into the record; empty names become the file's name.
void ApplyHeader(const LexiconHeader& header, LexiconRecord& record) {
    record.TreeNumber = header.TreeNumber;
    record.LexiconLanguage = header.LexiconLanguage;
    record.MaxWordLength = header.MaxWordLength;
    record.LongWordLimit = header.LongWordLimit;
    record.ShortName =
        header.ShortName.empty() ? NameWithoutSuffix(record.FileName, LexiconShortNameField - 1) : header.ShortName;
    record.LongName =
        header.LongName.empty() ? NameWithoutSuffix(record.FileName, LexiconLongNameField - 1) : header.LongName;
}

// Reads the header of a lexicon file found in the folder.
bool ReadRecordHeader(LexiconRecord& record, std::string& error) {
    std::string start;
    std::uint64_t size = 0;
    std::string reason;
    if (!ReadFileStart(record.Path, LexiconHeaderSize, start, size, reason)) {
        error = CannotOpen(record.FileName);
        return false;
    }
    std::array<unsigned char, LexiconHeaderSize> bytes{};
    std::copy(start.begin(), start.end(), bytes.begin());
    LexiconHeader header;
    const auto knownSize =
        static_cast<std::size_t>(std::min<std::uint64_t>(size, std::numeric_limits<std::size_t>::max()));
    if (!ReadLexiconHeader(bytes.data(), knownSize, header, reason)) {
        error = NotALexiconMessage(record.FileName, reason);
        return false;
    }
    ApplyHeader(header, record);
    return true;
}

void ClearLexiconTable() {
    LexiconTable.clear();
    LexiconCount = 0;
    PrimaryLexicon = 0;
    ChallengeLexicon = 0;
    SecondaryLexiconIndex = -1;
}

// Counts the word beginnings of a graph whose nodes passed the linear checks,
// depth first from the root list, each sibling list once. The beginnings
// below a list are, for each of its nodes, the node's own and those below
// its child list. A list met again while its own count is still open lies on
// a loop. As no count exceeds the root list's, the walk stops at the first
// one that passes the bound.
bool CheckWordBeginnings(const LexiconNode* nodes, std::size_t nodeCount, std::uint64_t maxPrefixes,
                         std::string& reason) {
    enum class Visit : std::uint8_t { New, Open, Counted };
    std::vector<Visit> visit(nodeCount, Visit::New);      // by the index of a list's first node
    std::vector<std::uint32_t> beginnings(nodeCount, 0);  // likewise; 0 below no child (index 0)
    std::vector<std::uint32_t> pending{1};
    while (!pending.empty()) {
        const std::uint32_t first = pending.back();
        if (visit[first] == Visit::New) {
            visit[first] = Visit::Open;
            for (std::uint32_t at = first;; ++at) {
                const std::uint32_t child = NodeChild(nodes[at]);
                if (child != 0 && visit[child] == Visit::Open) {
                    reason = "Its word graph loops from node " + std::to_string(at) + " back to node " +
                             std::to_string(child) + ", so its words would never end.";
                    return false;
                }
                if (child != 0 && visit[child] == Visit::New) pending.push_back(child);
                if (NodeIsLastSibling(nodes[at])) break;
            }
            continue;
        }
        pending.pop_back();
        if (visit[first] == Visit::Counted) continue;  // counted through another entry
        std::uint64_t count = 0;
        for (std::uint32_t at = first;; ++at) {
            count += 1 + beginnings[NodeChild(nodes[at])];
            if (NodeIsLastSibling(nodes[at])) break;
        }
        if (count > maxPrefixes) {
            reason = "Its word graph spells more than " + std::to_string(maxPrefixes) +
                     " word beginnings, far more than any word list, and a search of it would not end.";
            return false;
        }
        beginnings[first] = static_cast<std::uint32_t>(count);
        visit[first] = Visit::Counted;
    }
    return true;
}

bool ValidRole(int index, bool noneAllowed) {
    return (noneAllowed && index == -1) || (index >= 0 && index < LexiconCount);
}

}  // namespace

bool ReadLexiconHeader(const unsigned char* bytes, std::size_t fileSize, LexiconHeader& header, std::string& reason) {
    if (fileSize < MinLexiconFileSize) {
        reason = "It has " + std::to_string(fileSize) + " bytes, fewer than the " + std::to_string(MinLexiconFileSize) +
                 " of the smallest lexicon.";
        return false;
    }
    if (fileSize > LexiconMaxFileSize) {
        reason = "It is larger than the " + std::to_string(LexiconMaxFileSize) + " bytes of the largest lexicon.";
        return false;
    }
    if ((fileSize - LexiconHeaderSize) % sizeof(LexiconNode) != 0) {
        reason = "Its size of " + std::to_string(fileSize) + " bytes is not 92 bytes plus a multiple of 4.";
        return false;
    }
    if (GetU32(bytes + LexiconMagicOffset) != LexiconMagic) {
        reason = "It does not begin with the lexicon magic number.";
        return false;
    }
    header.TreeNumber = GetU32(bytes + LexiconTreeNumberOffset);
    switch (header.TreeNumber / 1000) {
        case TreeNumberEnglish / 1000: header.LexiconLanguage = Language::English; break;
        case TreeNumberSpanish / 1000: header.LexiconLanguage = Language::Spanish; break;
        case TreeNumberFrench / 1000: header.LexiconLanguage = Language::French; break;
        default:
            reason = "Its tree number " + std::to_string(header.TreeNumber) + " names no language (0 to 2999).";
            return false;
    }
    header.MaxWordLength = GetU16(bytes + LexiconMaxLengthOffset);
    if (header.MaxWordLength < LexiconMinWordLength || header.MaxWordLength > LexiconMaxWordLength) {
        reason = "Its maximum word length " + std::to_string(header.MaxWordLength) + " is outside 2 to 32.";
        return false;
    }
    header.LongWordLimit = GetU16(bytes + LexiconLongWordLimitOffset);
    if (!ReadNameField(bytes + LexiconShortNameOffset, LexiconShortNameField, header.ShortName)) {
        reason = "Its short name has no terminating NUL.";
        return false;
    }
    if (!ReadNameField(bytes + LexiconLongNameOffset, LexiconLongNameField, header.LongName)) {
        reason = "Its long name has no terminating NUL.";
        return false;
    }
    return true;
}

bool ValidateLexiconNodes(const LexiconNode* nodes, std::size_t nodeCount, Language language, std::string& reason,
                          std::uint64_t maxPrefixes) {
    const unsigned char lowest = TileBase + 1;
    const unsigned char highest = static_cast<unsigned char>(TileBase + LanguageTileCount(language));
    unsigned char previous = 0;  // letter of the previous node in the same sibling list
    for (std::size_t i = 1; i < nodeCount; ++i) {
        const LexiconNode node = nodes[i];
        const unsigned char letter = NodeLetter(node);
        if (letter < lowest || letter > highest) {
            reason = "Node " + std::to_string(i) + " holds the character code " + std::to_string(letter) +
                     ", which is no " + LanguageName(language) + " tile.";
            return false;
        }
        if (letter <= previous) {
            reason = "The sibling list at node " + std::to_string(i) + " is not in ascending letter order.";
            return false;
        }
        if (NodeChild(node) >= nodeCount) {
            reason = "Node " + std::to_string(i) + " points to child " + std::to_string(NodeChild(node)) +
                     ", past the end of its " + std::to_string(nodeCount) + " nodes.";
            return false;
        }
        previous = NodeIsLastSibling(node) ? 0 : letter;
    }
    if (nodeCount < 2 || !NodeIsLastSibling(nodes[nodeCount - 1])) {
        reason = "Its last sibling list runs off the end of the node array without a last-sibling mark.";
        return false;
    }
    return CheckWordBeginnings(nodes, nodeCount, maxPrefixes, reason);
}

bool ValidateLexiconImage(const unsigned char* bytes, std::size_t size, ValidLexicon& lexicon, std::string& reason,
                          std::uint64_t maxPrefixes) {
    if (!ReadLexiconHeader(bytes, size, lexicon.Header, reason)) return false;
    lexicon.NodeCount = (size - LexiconHeaderSize) / sizeof(LexiconNode);
    lexicon.Nodes = std::make_unique_for_overwrite<LexiconNode[]>(lexicon.NodeCount);
    std::memcpy(lexicon.Nodes.get(), bytes + LexiconHeaderSize, lexicon.NodeCount * sizeof(LexiconNode));
    return ValidateLexiconNodes(lexicon.Nodes.get(), lexicon.NodeCount, lexicon.Header.LexiconLanguage, reason,
                                maxPrefixes);
}

std::string NotALexiconMessage(const std::string& fileName, const std::string& reason) {
    return "File " + fileName + " is not a lexicon file. " + reason;
}

void ComputeShallowListStarts(LexiconRecord& lexicon) {
    constexpr int Deep = LexiconMaxWordLength + 1;  // heights above 32 count as 33
    const std::size_t n = lexicon.NodeCount;
    const LexiconNode* nodes = lexicon.Nodes;
    lexicon.ShallowListStart.fill(static_cast<std::uint32_t>(n));
    // tailHeight[i]: the most tiles on a path down from the siblings at i and
    // after it. One pass from the end works while every child stands after
    // its parent; any other layout keeps the bounds that leave nothing early.
    std::vector<std::uint8_t> tailHeight(n, 0);
    for (std::size_t i = n - 1; i >= 1; --i) {
        const std::uint32_t child = NodeChild(nodes[i]);
        if (child != 0 && child <= i) return;
        int height = 1 + (child != 0 ? tailHeight[child] : 0);
        if (!NodeIsLastSibling(nodes[i])) height = std::max<int>(height, tailHeight[i + 1]);
        tailHeight[i] = static_cast<std::uint8_t>(std::min(height, Deep));
    }
    // lastListOfHeight[h]: the highest index at which a list of height h starts.
    std::array<std::uint32_t, Deep + 1> lastListOfHeight{};
    const auto note = [&](std::uint32_t first) {
        lastListOfHeight[tailHeight[first]] = std::max(lastListOfHeight[tailHeight[first]], first);
    };
    note(1);
    for (std::size_t i = 1; i < n; ++i)
        if (NodeChild(nodes[i]) != 0) note(NodeChild(nodes[i]));
    std::uint32_t highest = 0;  // the highest start of a list of height k or more
    for (int k = Deep; k >= 1; --k) {
        highest = std::max(highest, lastListOfHeight[static_cast<std::size_t>(k)]);
        lexicon.ShallowListStart[static_cast<std::size_t>(k)] = highest == 0 ? 0 : highest + 1;
    }
}

bool FindLexiconFiles(const std::string& folder, std::string& error) {
    ClearLexiconTable();
    std::vector<std::string> names;
    std::error_code failure;
    for (std::filesystem::directory_iterator it(folder, failure), end; !failure && it != end; it.increment(failure)) {
        const std::string name = it->path().filename().string();
        std::error_code typeFailure;
        if (HasLexiconSuffix(name) && it->is_regular_file(typeFailure)) names.push_back(name);
    }
    if (names.empty()) {
        error = "There is no lexicon file (*.QLX) in the current folder.";
        return false;
    }
    if (names.size() > static_cast<std::size_t>(MaxLexiconFiles)) {
        error = "There are more than 18 lexicon files in the current folder.";
        return false;
    }
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    std::vector<LexiconRecord> table(names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
        table[k].FileName = names[k];
        table[k].Path = (std::filesystem::path(folder) / names[k]).string();
        if (!ReadRecordHeader(table[k], error)) return false;
    }
    LexiconTable = std::move(table);
    LexiconCount = static_cast<std::int32_t>(LexiconTable.size());
    return true;
}

bool LoadLexicon(int index, std::string& error) {
    if (index < 0 || index >= LexiconCount) {
        error = "There is no lexicon number " + std::to_string(index) + ".";
        return false;
    }
    LexiconRecord& record = LexiconTable[static_cast<std::size_t>(index)];
    if (record.Nodes != nullptr) return true;
    // One byte more than the largest lexicon is enough to refuse a larger file.
    std::string bytes;
    std::uint64_t size = 0;
    std::string systemReason;
    if (!ReadFileStart(record.Path, LexiconMaxFileSize + 1, bytes, size, systemReason)) {
        error = CannotOpen(record.FileName);
        return false;
    }
    // The file may have changed since its header was read, so the header is
    // checked again on the bytes read, and their count is the file's size.
    ValidLexicon lexicon;
    std::string reason;
    if (!ValidateLexiconImage(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), lexicon, reason)) {
        error = NotALexiconMessage(record.FileName, reason);
        return false;
    }
    ApplyHeader(lexicon.Header, record);
    record.NodeStore = std::move(lexicon.Nodes);
    record.Nodes = record.NodeStore.get();
    record.NodeCount = lexicon.NodeCount;
    ComputeShallowListStarts(record);
    return true;
}

bool ChooseLexicons(int primary, int secondary, int challenge, std::string& error) {
    if (!ValidRole(primary, false) || !ValidRole(secondary, true) || !ValidRole(challenge, false)) {
        error = "There is no such lexicon to choose.";
        return false;
    }
    for (int index : {primary, secondary, challenge})
        if (index >= 0 && !LoadLexicon(index, error)) return false;
    PrimaryLexicon = primary;
    SecondaryLexiconIndex = secondary;
    ChallengeLexicon = challenge;
    ShowLexiconStatus();
    return true;
}

const LexiconRecord* LexiconOfRole(int role) {
    int index = -1;
    if (role == ChallengeRole)
        index = ChallengeLexicon;
    else if (role == PrimaryRole)
        index = PrimaryLexicon;
    else if (role == SecondaryRole)
        index = SecondaryLexiconIndex;
    if (index < 0 || index >= LexiconCount) return nullptr;
    const LexiconRecord& record = LexiconTable[static_cast<std::size_t>(index)];
    return record.Nodes != nullptr ? &record : nullptr;
}

int FindLexiconByShortName(std::string_view name) {
    const auto upper = [](unsigned char c) { return std::toupper(c); };
    for (std::size_t index = 0; index < LexiconTable.size(); ++index) {
        const std::string& shortName = LexiconTable[index].ShortName;
        if (shortName.size() == name.size() && std::equal(shortName.begin(), shortName.end(), name.begin(),
                                                          [&](char a, char b) { return upper(a) == upper(b); }))
            return static_cast<int>(index);
    }
    return -1;
}

void AddLexiconStatusHook(LexiconStatusHook hook) { statusHooks.push_back(std::move(hook)); }

void ShowLexiconStatus() {
    const LexiconRecord* primary = LexiconOfRole(PrimaryRole);
    const LexiconRecord* secondary = LexiconOfRole(SecondaryRole);
    const LexiconRecord* challenge = LexiconOfRole(ChallengeRole);
    LexiconStatusChange change;
    if (primary != nullptr) {
        const Language previous = change.PreviousLanguage = ActiveLanguage();
        change.LanguageChanged = !languageChosen || primary->LexiconLanguage != ActiveLanguage();
        // Switching the tables also drops a redefined set (B) or set ($), so
        // it happens only when the language really changes.
        if (change.LanguageChanged) SetLanguageTables(primary->LexiconLanguage);
        languageChosen = true;
        MaxWordLength = primary->MaxWordLength;
        LexiconLongWordLimit = primary->LongWordLimit;
        // English and French share their tiles; to or from Spanish the
        // letters of the wordlists and sets are carried over, so that CHAT
        // stays CHAT and does not turn into the tiles of the same numbers.
        if ((previous == Language::Spanish) != (ActiveLanguage() == Language::Spanish)) {
            RetileWordlists(previous);
            RetileUserSets(previous);
            RetilePreviousBlankMatches(previous);
        }
    }
    ChallengeLexiconSpanish = challenge != nullptr && challenge->LexiconLanguage == Language::Spanish;
    SecondaryLexiconSpanish = secondary != nullptr && secondary->LexiconLanguage == Language::Spanish;
    for (const auto& hook : statusHooks) hook(change);
}

void ResetLexicons() {
    ClearLexiconTable();
    MaxWordLength = 15;
    LexiconLongWordLimit = 0;
    ChallengeLexiconSpanish = 0;
    SecondaryLexiconSpanish = 0;
    statusHooks.clear();
    languageChosen = false;
}
const ProgramStateReset registerResetLexicons(ResetLexicons);

}  // namespace qora
