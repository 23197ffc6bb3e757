// The lexicon table: the lexicon files found at start-up, which of them are
// the primary, secondary and challenge lexicons, and the values taken from
// the primary lexicon whenever the lexicons are chosen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/LexiconFormat.h"
#include "engine/Tiles.h"
#include "platform/FileMapping.h"

namespace qora {

constexpr int MaxLexiconFiles = 18;

struct LexiconRecord {
    std::string Path;
    std::uint32_t TreeNumber = 0;
    Language LexiconLanguage = Language::English;
    std::int32_t MaxWordLength = 0;
    std::int32_t LongWordLimit = 0;
    std::string ShortName;  // at most 15 characters
    std::string LongName;   // at most 63 characters
    MappedFile Mapping;     // mapped when first chosen, never unmapped
    const LexiconNode* Nodes = nullptr;  // the node array inside the mapping
    std::size_t NodeCount = 0;
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

}  // namespace qora
