#include "engine/Definitions.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/LexiconFormat.h"
#include "engine/TextFiles.h"
#include "engine/Tiles.h"
#include "platform/Files.h"
#include "platform/ProgramState.h"

namespace qora {

namespace {

// A word of display text may take two characters per tile (CH, LL, RR).
constexpr std::size_t MaxDefinedWordLength = 2 * LexiconMaxWordLength;
constexpr const char* RepeatSeparator = " / ";

// Word (display text, upper case) and definition, in word order, one entry a
// word. A sorted array loads a file of a few hundred thousand entries much
// faster than a tree or a hash table, whose nodes scatter in memory.
struct Entry {
    std::string Word;
    std::string Text;
};
std::vector<Entry> definitions;

bool ByWord(const Entry& a, const Entry& b) { return a.Word < b.Word; }

// Sorts the entries read and makes the entries of a repeated word one, their
// texts joined in file order.
void PutInWordOrder(std::vector<Entry>& entries) {
    std::stable_sort(entries.begin(), entries.end(), ByWord);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (kept > 0 && entries[kept - 1].Word == entries[i].Word)
            (entries[kept - 1].Text += RepeatSeparator) += entries[i].Text;
        else if (kept++ != i)
            entries[kept - 1] = std::move(entries[i]);
    }
    entries.resize(kept);
}

bool IsLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == UpperEnye || c == LowerEnye;
}

bool IsAlphanumeric(unsigned char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    if (c >= 0xC0) return c != 0xD7 && c != 0xF7;  // accented letters, not × and ÷
    return c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F;
}

// What each byte is in the matching form: its upper case, or a blank.
const std::array<char, 256> MatchingCharacters = [] {
    std::array<char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        table[c] = IsAlphanumeric(byte) ? static_cast<char>(UpperCase1252(byte)) : ' ';
    }
    return table;
}();

// Appends the matching form of a text: upper case, every other character a
// blank, runs of blanks made one.
void AppendMatchingForm(std::string& form, std::string_view text) {
    for (unsigned char c : text) {
        const char shown = MatchingCharacters[c];
        if (shown == ' ' && !form.empty() && form.back() == ' ') continue;
        form += shown;
    }
}

enum class LineKind { Nothing, Entry, Odd };

// Reads one line into a word and its definition. Empty lines and comments
// hold nothing; a line without a definition, or whose word is no word, is odd.
LineKind ReadEntry(std::string_view line, std::string& word, std::string& text) {
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';') return LineKind::Nothing;
    const std::size_t wordEnd = trimmed.find_first_of(" \t");
    if (wordEnd == std::string_view::npos) return LineKind::Odd;
    const std::string_view wordText = trimmed.substr(0, wordEnd);
    if (wordText.size() > MaxDefinedWordLength) return LineKind::Odd;
    for (unsigned char c : wordText)
        if (!IsLetter(c)) return LineKind::Odd;
    word = ToUpperCase1252(wordText);
    text = std::string(TrimBlanks(trimmed.substr(wordEnd)));
    for (char& c : text)
        if (IsControlCharacter(static_cast<unsigned char>(c))) c = ' ';
    return LineKind::Entry;
}

}  // namespace

DefinitionsLoadReport LoadDefinitions(const std::string& path) {
    definitions.clear();
    DefinitionsLoadReport report;
    std::string bytes;
    if (!ReadWholeFile(path, bytes, report.Reason, MaxDefinitionsFileSize)) return report;
    report.Opened = true;
    definitions.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    ForEachTextLine(bytes, MaxDefinitionLineLength, [&](const TextLine& line) {
        if (line.Cut) ++report.CutLines;
        const std::string text = LineToCodePage(line.Text);
        std::string word, definition;
        const LineKind kind = ReadEntry(text, word, definition);
        if (kind != LineKind::Entry) {
            if (kind == LineKind::Odd) ++report.SkippedLines;
            return;
        }
        definitions.push_back({std::move(word), std::move(definition)});
    });
    PutInWordOrder(definitions);
    report.Entries = static_cast<std::int32_t>(definitions.size());
    return report;
}

void ResetDefinitions() { definitions.clear(); }
const ProgramStateReset registerResetDefinitions(ResetDefinitions);

std::int32_t DefinitionCount() { return static_cast<std::int32_t>(definitions.size()); }

const std::string* FindDefinition(std::string_view word) {
    const Entry wanted{ToUpperCase1252(word), {}};
    const auto found = std::lower_bound(definitions.begin(), definitions.end(), wanted, ByWord);
    return found != definitions.end() && found->Word == wanted.Word ? &found->Text : nullptr;
}

const std::string* DefinitionOf(std::string_view tiles) { return FindDefinition(WordToDisplay(tiles)); }

std::string StoredDefinitionText(std::string_view typed) {
    const bool openStart = !typed.empty() && typed.front() == '|';
    if (openStart) typed.remove_prefix(1);
    const bool openEnd = !typed.empty() && typed.back() == '|';
    if (openEnd) typed.remove_suffix(1);
    std::string stored = openStart ? "" : " ";
    stored += typed;
    if (!openEnd) stored += ' ';
    return stored;
}

bool DefinitionIncludes(std::string_view definition, std::string_view storedText) {
    thread_local std::string haystack, needle;  // reused: the filter runs once per found word
    haystack.assign(1, ' ');
    AppendMatchingForm(haystack, definition);
    AppendMatchingForm(haystack, " ");
    needle.clear();
    AppendMatchingForm(needle, storedText);
    return haystack.find(needle) != std::string::npos;
}

void SearchDefinitions(std::string_view first, DefinitionConnective connective, std::string_view second,
                       const std::function<void(const std::string& word, const std::string& definition)>& visit) {
    for (const auto& [word, definition] : definitions) {
        const bool includesFirst = DefinitionIncludes(definition, first);
        bool match = includesFirst;
        switch (connective) {
            case DefinitionConnective::None: break;
            case DefinitionConnective::And: match = includesFirst && DefinitionIncludes(definition, second); break;
            case DefinitionConnective::AndNot: match = includesFirst && !DefinitionIncludes(definition, second); break;
            case DefinitionConnective::Or: match = includesFirst || DefinitionIncludes(definition, second); break;
        }
        if (match) visit(word, definition);
    }
}

}  // namespace qora
