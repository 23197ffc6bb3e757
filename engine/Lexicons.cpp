#include "engine/Lexicons.h"

namespace qora {

std::vector<LexiconRecord> LexiconTable;
std::int32_t LexiconCount = 0;
std::int32_t PrimaryLexicon = 0;
std::int32_t ChallengeLexicon = 0;
std::int32_t SecondaryLexiconIndex = -1;
std::int32_t MaxWordLength = 15;
std::int32_t LexiconLongWordLimit = 0;
std::uint8_t ChallengeLexiconSpanish = 0;
std::uint8_t SecondaryLexiconSpanish = 0;

}  // namespace qora
