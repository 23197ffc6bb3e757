#include "engine/WordTests.h"

#include <optional>
#include <string>

#include "engine/Lexicons.h"
#include "engine/Search.h"

namespace qora {

namespace {

// The node with `letter` in the sibling list starting at `first`, or 0.
std::uint32_t FindSibling(const LexiconNode* nodes, std::uint32_t first, unsigned char letter) {
    for (std::uint32_t i = first;; ++i) {
        const unsigned char here = NodeLetter(nodes[i]);
        if (here == letter) return i;
        if (here > letter || NodeIsLastSibling(nodes[i])) return 0;
    }
}

// The node reached by following the tiles from the sibling list at `first`;
// 0 when the graph has no such path (or the tiles are empty).
std::uint32_t FollowPath(const LexiconRecord& lexicon, std::uint32_t first, std::string_view tiles) {
    std::uint32_t node = 0;
    for (unsigned char c : tiles) {
        if (first == 0) return 0;
        node = FindSibling(lexicon.Nodes, first, UpperCaseTile(c));
        if (node == 0) return 0;
        first = NodeChild(lexicon.Nodes[node]);
    }
    return node;
}

constexpr std::uint32_t RootList = 1;

bool EndsWord(const LexiconRecord& lexicon, std::uint32_t node) {
    return node != 0 && NodeIsEndOfWord(lexicon.Nodes[node]);
}

// Spanish display text as tiles, or nothing when a character is no tile.
std::optional<std::string> SpanishTextAsTiles(std::string_view text) {
    std::string tiles;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        bool tookTwo = false;
        const int tile = TileCodeOfChar(static_cast<unsigned char>(text[i]), next, tookTwo);
        if (tile < 1 || tile > SpanishTileCount) return std::nullopt;
        tiles += static_cast<char>(TileBase + tile);
        if (tookTwo) ++i;
    }
    return tiles;
}

bool IsWordIn(const LexiconRecord* lexicon, bool spanishText, std::string_view word) {
    if (lexicon == nullptr) return false;
    std::optional<std::string> folded;
    if (spanishText) {
        folded = SpanishTextAsTiles(word);
        if (!folded) return false;
        word = *folded;
    }
    if (word.empty() || word.size() > static_cast<std::size_t>(std::min(MaxSearchLength, lexicon->MaxWordLength)))
        return false;
    return EndsWord(*lexicon, FollowPath(*lexicon, RootList, word));
}

}  // namespace

bool IsWordInLexicon(int role, bool spanishText, std::string_view word) {
    return IsWordIn(LexiconOfRole(role), spanishText, word);
}

bool IsWordInLexiconAt(int index, bool spanishText, std::string_view word) {
    std::string error;
    if (!LoadLexicon(index, error)) return false;
    return IsWordIn(&LexiconTable[static_cast<std::size_t>(index)], spanishText, word);
}

bool IsLexiconPrefix(std::string_view text) {
    const LexiconRecord* lexicon = LexiconOfRole(PrimaryRole);
    if (lexicon == nullptr) return false;
    if (text.empty()) return true;
    const std::uint32_t node = FollowPath(*lexicon, RootList, text);
    if (node == 0) return false;
    return text.size() != 2 || NodeChild(lexicon->Nodes[node]) != 0;
}

int AnagramCount(std::string_view word) {
    const LexiconRecord* lexicon = LexiconOfRole(PrimaryRole);
    if (lexicon == nullptr) return 0;
    const int tileCount = LanguageTileCount(lexicon->LexiconLanguage);
    LetterCounts counts{};
    for (unsigned char c : word) {
        const int tile = UpperCaseTile(c) - TileBase;
        if (tile < 1 || tile > tileCount) return 0;
        ++counts[static_cast<std::size_t>(tile - 1)];
    }
    AnagramConstraint anagrams(counts, 0, false, AnagramFit::Exact, tileCount);
    int count = 0;
    SearchLexicon(*lexicon, anagrams, [&count](const SearchMatch&) {
        ++count;
        return true;
    });
    return count;
}

LetterCounts FrontHooks(std::string_view word) {
    LetterCounts hooks{};
    const LexiconRecord* lexicon = LexiconOfRole(PrimaryRole);
    if (lexicon == nullptr || word.empty()) return hooks;
    for (std::uint32_t i = RootList;; ++i) {
        const LexiconNode first = lexicon->Nodes[i];
        if (EndsWord(*lexicon, FollowPath(*lexicon, NodeChild(first), word)))
            hooks[static_cast<std::size_t>(NodeLetter(first) - TileBase - 1)] = 1;
        if (NodeIsLastSibling(first)) break;
    }
    return hooks;
}

LetterCounts BackHooks(std::string_view word) {
    LetterCounts hooks{};
    const LexiconRecord* lexicon = LexiconOfRole(PrimaryRole);
    if (lexicon == nullptr) return hooks;
    const std::uint32_t node = FollowPath(*lexicon, RootList, word);
    if (node == 0) return hooks;
    const std::uint32_t first = NodeChild(lexicon->Nodes[node]);
    for (std::uint32_t i = first; first != 0; ++i) {
        const LexiconNode next = lexicon->Nodes[i];
        if (NodeIsEndOfWord(next)) hooks[static_cast<std::size_t>(NodeLetter(next) - TileBase - 1)] = 1;
        if (NodeIsLastSibling(next)) break;
    }
    return hooks;
}

int WordScore(std::string_view word, bool zeroScoringBlanks) {
    int score = 0;
    for (unsigned char c : word) {
        const int tile = TileNumberOf(c);
        const bool blankMatched = c > '`';
        if (tile == 0 || (blankMatched && zeroScoringBlanks)) continue;
        score += TileScores[static_cast<std::size_t>(tile - 1)];
    }
    return score;
}

}  // namespace qora
