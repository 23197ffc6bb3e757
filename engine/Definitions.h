// The definitions file: one definition per word, read at start-up, looked up
// by word for the definitions window and the definition filter, and searched
// by text for the definition search ("/SD"). See docs/file-formats.md.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qora {

constexpr std::size_t MaxDefinitionLineLength = 4000;
// A larger definitions file is not read (it is held whole while it is read).
constexpr std::size_t MaxDefinitionsFileSize = std::size_t{256} << 20;

struct DefinitionsLoadReport {
    bool Opened = false;
    std::string Reason;        // why the file could not be read
    std::int32_t Entries = 0;  // distinct words defined
    std::int32_t SkippedLines = 0;
    std::int32_t CutLines = 0;  // lines longer than MaxDefinitionLineLength, kept cut
};

// Replaces the definitions with those of the file. A file that cannot be
// read leaves no definitions and says why in the report.
DefinitionsLoadReport LoadDefinitions(const std::string& path);
void ResetDefinitions();  // no definitions
std::int32_t DefinitionCount();

// The definition of a word written as display text (either case), or null.
const std::string* FindDefinition(std::string_view word);
// The definition of a word written as a tile string of the active language.
const std::string* DefinitionOf(std::string_view tiles);

// The text that a filter or search matches, from the text as typed: a blank
// is assumed at each end unless "|" marks that end ("noun" -> " noun ",
// "|noun" -> "noun ", "noun|" -> " noun").
std::string StoredDefinitionText(std::string_view typed);

// True when the definition includes the stored text. Letter case is ignored,
// every character that is no letter or digit counts as a blank, runs of
// blanks count as one, and the definition has a blank before and after it.
bool DefinitionIncludes(std::string_view definition, std::string_view storedText);

// The definition search: the definitions that include `first`, alone or
// combined with `second` by "&" (and), "&!" (and not) or "|" (or); both
// texts in stored form. Calls `visit` per match in word order.
enum class DefinitionConnective { None, And, AndNot, Or };
void SearchDefinitions(std::string_view first, DefinitionConnective connective, std::string_view second,
                       const std::function<void(const std::string& word, const std::string& definition)>& visit);

}  // namespace qora
