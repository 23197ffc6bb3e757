#include "engine/Definitions.h"

#include <map>

#include "engine/LexiconFormat.h"
#include "engine/TextFiles.h"
#include "engine/Tiles.h"

namespace qora {

namespace {

// A word of display text may take two characters per tile (CH, LL, RR).
constexpr std::size_t MaxDefinedWordLength = 2 * LexiconMaxWordLength;
constexpr const char* RepeatSeparator = " / ";

std::map<std::string, std::string, std::less<>> definitions;

bool IsLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == UpperEnye || c == LowerEnye;
}

bool IsAlphanumeric(unsigned char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    if (c >= 0xC0) return c != 0xD7 && c != 0xF7;  // accented letters, not × and ÷
    return c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F;
}

// Upper case, every other character a blank, runs of blanks made one.
std::string MatchingForm(std::string_view text) {
    std::string form;
    form.reserve(text.size());
    for (unsigned char c : text) {
        const char shown = IsAlphanumeric(c) ? static_cast<char>(UpperCase1252(c)) : ' ';
        if (shown == ' ' && !form.empty() && form.back() == ' ') continue;
        form += shown;
    }
    return form;
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
    if (!ReadFileBytes(path, bytes, report.Reason)) return report;
    report.Opened = true;
    ForEachTextLine(bytes, MaxDefinitionLineLength, [&](const TextLine& line) {
        if (line.Cut) ++report.CutLines;
        const std::string text = LineToCodePage(line.Text);
        std::string word, definition;
        const LineKind kind = ReadEntry(text, word, definition);
        if (kind != LineKind::Entry) {
            if (kind == LineKind::Odd) ++report.SkippedLines;
            return;
        }
        const auto [place, added] = definitions.try_emplace(std::move(word), definition);
        if (!added) place->second += RepeatSeparator + definition;
    });
    report.Entries = static_cast<std::int32_t>(definitions.size());
    return report;
}

void ResetDefinitions() { definitions.clear(); }

std::int32_t DefinitionCount() { return static_cast<std::int32_t>(definitions.size()); }

const std::string* FindDefinition(std::string_view word) {
    const auto found = definitions.find(ToUpperCase1252(word));
    return found == definitions.end() ? nullptr : &found->second;
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
    const std::string haystack = MatchingForm(" " + std::string(definition) + " ");
    return haystack.find(MatchingForm(storedText)) != std::string::npos;
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
