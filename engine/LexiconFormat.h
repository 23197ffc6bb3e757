// The lexicon file layout (.QLX), shared by the lexicon compiler and the
// lexicon loader. All integers are little-endian; the loader copies the node
// array into memory as it stands in the file. See docs/file-formats.md.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qora {

constexpr std::uint32_t LexiconMagic = 0x3ADE68B1u;
constexpr std::size_t LexiconHeaderSize = 92;
constexpr std::size_t LexiconMagicOffset = 0;
constexpr std::size_t LexiconTreeNumberOffset = 4;
constexpr std::size_t LexiconMaxLengthOffset = 8;
constexpr std::size_t LexiconLongWordLimitOffset = 10;
constexpr std::size_t LexiconShortNameOffset = 12;
constexpr std::size_t LexiconShortNameField = 16;  // at most 15 characters + NUL
constexpr std::size_t LexiconLongNameOffset = 28;
constexpr std::size_t LexiconLongNameField = 64;  // at most 63 characters + NUL
constexpr int LexiconMinWordLength = 2;
constexpr int LexiconMaxWordLength = 32;

// Tree number / 1000 gives the language.
constexpr std::uint32_t TreeNumberEnglish = 0;
constexpr std::uint32_t TreeNumberSpanish = 1000;
constexpr std::uint32_t TreeNumberFrench = 2000;

// A word-graph node: letter in bits 0-7, last sibling in bit 8, end of word in
// bit 9, index of the first child in bits 10-31 (0 = none). Node 0 is unused;
// the root's children start at index 1.
using LexiconNode = std::uint32_t;

constexpr std::uint32_t NodeLetterMask = 0xFFu;
constexpr std::uint32_t NodeLastSibling = 1u << 8;
constexpr std::uint32_t NodeEndOfWord = 1u << 9;
constexpr int NodeChildShift = 10;
constexpr std::uint32_t NodeMaxChildIndex = (1u << 22) - 1;

// Child indices reach no further, so no lexicon holds more nodes (node 0
// included) and no lexicon file is larger.
constexpr std::size_t LexiconMaxNodeCount = std::size_t{NodeMaxChildIndex} + 1;
constexpr std::size_t LexiconMaxFileSize = LexiconHeaderSize + sizeof(LexiconNode) * LexiconMaxNodeCount;

constexpr unsigned char NodeLetter(LexiconNode node) { return static_cast<unsigned char>(node & NodeLetterMask); }
constexpr bool NodeIsLastSibling(LexiconNode node) { return (node & NodeLastSibling) != 0; }
constexpr bool NodeIsEndOfWord(LexiconNode node) { return (node & NodeEndOfWord) != 0; }
constexpr std::uint32_t NodeChild(LexiconNode node) { return node >> NodeChildShift; }

constexpr LexiconNode MakeNode(unsigned char letter, bool last, bool endOfWord, std::uint32_t child) {
    return letter | (last ? NodeLastSibling : 0u) | (endOfWord ? NodeEndOfWord : 0u) | (child << NodeChildShift);
}

}  // namespace qora
