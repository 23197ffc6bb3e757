// Word tests on the lexicons: is a word in a lexicon, does any word begin
// with a text, how many anagrams a word has, its hooks and its score. Words
// are tile strings ('@' + tile number a byte); lower-case tiles are tiles
// matched by a blank and count as their tile. Every test keeps its state in
// the call, so it may run while a query searches on another thread.
#pragma once

#include <string_view>

#include "engine/LetterCounts.h"

namespace qora {

// True when the word is in the lexicon of `role` (0 the challenge lexicon,
// 1 the primary, 2 the secondary); false for an empty word, a word of more
// than 32 tiles or longer than that lexicon's maximum word length, and when
// the role has no lexicon. With `spanishText` the word is Spanish display
// text (CH, LL, RR as two letters, Ñ as one byte), folded into tiles first;
// a text with a character that is no Spanish tile is no word. It always
// consults the lexicon itself, whatever the query's word source.
bool IsWordInLexicon(int role, bool spanishText, std::string_view word);

// The same test on the lexicon at `index` of the lexicon table, whatever its
// role; the lexicon is loaded first when it was not (false when it cannot
// be).
bool IsWordInLexiconAt(int index, bool spanishText, std::string_view word);

// True when some word of the primary lexicon begins with the tiles of
// `text` (the end-of-word mark is not needed); a text of exactly 2 tiles
// must also lead on to a longer word.
bool IsLexiconPrefix(std::string_view text);

// The number of words of the primary lexicon that are anagrams of the word,
// the word itself included when it is one.
int AnagramCount(std::string_view word);

// The tiles t for which t + word (front hooks) or word + t (back hooks) is a
// word of the primary lexicon, each with count 1.
LetterCounts FrontHooks(std::string_view word);
LetterCounts BackHooks(std::string_view word);

// The sum of the word's tile scores (TileScores of the active language);
// with `zeroScoringBlanks` the lower-case, blank-matched tiles score 0.
int WordScore(std::string_view word, bool zeroScoringBlanks);

}  // namespace qora
