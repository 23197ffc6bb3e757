// User-defined letter sets: numbered 1 to 99, each with an optional label and
// its letters. The set definitions of the command language make them; the
// dialogs read numbers and labels only through the listing operations here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/LetterCounts.h"
#include "engine/SetOperation.h"
#include "engine/Tiles.h"

namespace qora {

constexpr int MaxUserSetNumber = 99;
constexpr int MaxSetLabelLength = 20;

struct UserSet {
    std::int32_t Number = 0;
    std::string Label;  // empty: unlabeled
    LetterCountRecord Letters;
};

// The sets in ascending number order.
extern std::vector<UserSet> UserSets;

std::int32_t UserSetCount();
bool UserSetExists(std::int32_t number);
const UserSet* FindUserSet(std::int32_t number);  // null when there is none

// The smallest number from 1 up that no set uses (100 when 1 to 99 are used).
std::int32_t FirstFreeUserSetNumber();

// "There is no user-defined set n": the one wording wherever a set is missing.
std::string NoSuchUserSetText(std::int32_t number);

// Defines set `number` (1 to 99), replacing a set of that number wholesale:
// the label (cut to 20 characters; empty for none) and the letters. False,
// changing nothing, for a number outside 1 to 99.
bool DefineUserSet(std::int32_t number, const std::string& label, const LetterCountRecord& letters);
void DeleteUserSet(std::int32_t number);
void ResetUserSets();  // no sets: the start-up state
// Carries every set, written in the tiles of `previous`, over into the tiles
// of the active language: each tile's count goes to the tile of the same
// letters; a tile the language lacks (CH, LL, RR and \xD1 for English and
// French, K and W for Spanish) is dropped.
void RetileUserSets(Language previous);

// The set algebra of set definitions, over the tiles as members:
//   union: a tile of either set, with the larger of its two counts;
//   intersection: a tile of both sets, with the smaller count;
//   difference: a tile of the first set that is not in the second, with its
//   count in the first.
LetterCounts CombineLetterSets(const LetterCounts& first, SetOperation operation, const LetterCounts& second);

// Clears `choices` and adds "set %*d %s" per set in number order: the number
// right-aligned in the width of the highest number, then the label or
// "(unlabeled)".
void FillUserSetChoices(std::vector<std::string>& choices);

// Clears `lines` and adds " %*d %-*.*s: " and the set's letters per set in
// number order (the label or "(unlabeled)", all in the width of the longest,
// at most 20). The report form, for the workspace, puts the message indent
// before each line and writes a Spanish single C as a capital.
void ListUserSets(std::vector<std::string>& lines, bool asReport);

}  // namespace qora
