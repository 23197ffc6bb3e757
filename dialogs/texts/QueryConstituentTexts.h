// What the query dialogs type onto the command line, and their
// language-dependent texts, free of Qt: the Add Query Constituent dialog
// (dialogs/QueryConstituentDialog), the Add Rack Character dialog
// (dialogs/RackCharacterDialog) and the Add Word Reference dialog
// (dialogs/WordReferenceDialog).
//
// Every constituent text is built from the frame's choices:
//   b  a leading blank when the command line ends inside a rack part, so
//      that the constituent ends the rack part instead of joining it;
//   n  the repetition count: nothing for 1, else the count ("0" included);
//   r  the requirement mark "!";
//   a presence mark "+" (first time in word) or "-" (repeated in word), and
//   the all-members mark "@" for the sets that take it.
// The set bodies come from dialogs/LetterSetTexts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/Tiles.h"

namespace qora {

// ---- The frame ----------------------------------------------------------------------

// The items of the Presence group.
enum PresenceItem : int {
    NoRestriction,
    FirstTimeAnyLetter,
    FirstTimeCertainLetters,
    RepeatedAnyLetter,
    RepeatedCertainLetters,
    PresenceItemCount
};

// "First time in word" or "repeated in word" of any letter: the constituent
// is the presence mark alone (PresenceText), and the pages are not used.
constexpr bool IsAnyLetterPresence(int presence) {
    return presence == FirstTimeAnyLetter || presence == RepeatedAnyLetter;
}

// The frame's choices, read when an OK button is pressed.
struct ConstituentMarks {
    bool AfterRackPart = false;  // RackMode at the dialog's activation
    int RepeatCount = 1;
    bool Required = false;
    int Presence = NoRestriction;
    bool AllMembers = false;  // SetMembers "all of the members"
};

// The repetition count as its field shows it: "%11d", or " 0 or more".
std::string RepeatCountText(int count);

// The repetition count's arrows stop here.
constexpr int RepeatCountMaximum = 99;

// ---- The texts of the pages -----------------------------------------------------------

// The presence mark alone: "(+)", "2(-)", " (+)".
std::string PresenceText(const ConstituentMarks& marks);

// A tile: "A", "3A!", " CH"; with a presence mark "(+A!)", "2(-E)".
std::string LetterText(const ConstituentMarks& marks, std::string_view tile);

// A Spanish single C, L or R at the end of the line joins a following H, L
// or R of the same case into a double tile; the text then comes in the other
// case ("C" + "h" is C and H), which the parser reads as the tiles chosen.
std::string KeptApartFromLine(std::string_view line, std::string text);

// The items of the BlankKind group.
enum BlankKindItem : int { LetterScoringBlank, ZeroScoringBlank, PatternImplyingBlank };

// A blank "?" or ".", with "/Z" or "/-Z" when the blank scoring wanted
// differs from the line's; "*" (any number of blanks) for a count of 0.
std::string BlankText(const ConstituentMarks& marks, int blankKind, bool zeroScoringBlanks);

// The switch of blank scoring that a blank of this kind adds to a line whose
// blanks score zero or not: "/Z", "/-Z", or nothing when the line already
// scores blanks so (and for a pattern-implying blank).
std::string BlankScoringSwitch(int blankKind, bool zeroScoringBlanks);

// Whether the Blank page may type a blank of this kind: a pattern-implying
// blank makes the query a pattern query, which cannot have a rack part.
constexpr bool BlankComposable(int blankKind, bool lineHasRackPart) {
    return blankKind != PatternImplyingBlank || !lineHasRackPart;
}

// The blank kind at an activation: the pattern-implying blank stays, the
// other two follow the line's blank scoring.
int BlankKindAtActivation(int blankKind, bool zeroScoringBlanks);

// The set texts around a body of dialogs/LetterSetTexts:
//   built-in, score- and count-based:  b n ( mark body ) r   "(@$3-5)!"
//   word-based:                        b n ( body ) r        "(AB.DE)"
//   specified:                         b n ( presence tiles ) r
//   all-but:                           b n ( presence ! tiles ) r
//   user-defined:                      n ( @ number ) r      "2(@12)!"
//   query-based:                       b n ( R k ) or ( S k )
// The specified and all-but sets take the presence mark only, never "@";
// the user-defined set takes "@" only. The user-defined set has no leading
// blank, so it joins a rack part ("AB,C(3)"), except with a count of 0,
// which a rack part cannot hold (" 0(3)"); the word-based and query-based
// sets have the blank because a rack part refuses them.
std::string BuiltInSetText(const ConstituentMarks& marks, std::string_view body);
std::string WordBasedSetText(const ConstituentMarks& marks, std::string_view body);
std::string SpecifiedSetText(const ConstituentMarks& marks, std::string_view tiles);
std::string AllButSetText(const ConstituentMarks& marks, std::string_view tiles);
std::string UserDefinedSetText(const ConstituentMarks& marks, int setNumber);
std::string QueryBasedSetText(const ConstituentMarks& marks, bool sameLetter, int k);

// ---- Rack letters and blanks -------------------------------------------------------

// A rack element begins the rack part with "," unless the line already ends
// inside one; "!" when it is required.
//   a tile:   ",Q", "E!" (inside a rack part)
//   a blank:  ",?", "?!", ",?/Z" (with BlankScoringSwitch)
std::string RackLetterText(bool inRackPart, std::string_view tile, bool required);
std::string RackBlankText(bool inRackPart, bool required, int blankKind, bool zeroScoringBlanks);

// ---- Word references ----------------------------------------------------------------

// The kinds of word reference, as the dialog's radio buttons list them.
enum WordReferenceKind : int { EntireWordKind, EntireWordReversedKind, SubwordKind, SubwordReversedKind };

// A reference to a word of the word-reference source: its kind, the mapping
// mark, and for a subword its first and last positions (from 1), each
// counted from the word's start or from its end.
struct WordReferenceChoice {
    int Kind = EntireWordKind;
    bool Mapping = false;
    int From = 1;
    bool FromEnd = false;
    int Thru = 1;
    bool ThruEnd = true;
};

// b n "[" M ~ positions "]" r: "[]", "[M~]!", " 3[]", "[2-1|]", "[3|]",
// "[M~1-2|]". The positions are one number when both count from the same
// end and are equal, else a range; "|" marks a position counted from the end.
std::string WordReferenceText(const ConstituentMarks& marks, const WordReferenceChoice& reference);

// ---- The query-based lists ------------------------------------------------------------

// The lines of SameLetterValue and SameConstituentValue for a query of
// `elementCount` constituents: for the reach L (the constituents, or the
// longest word less 1 when the query has a wild card) the lines for the L-th
// to the 1st previous letter, then for the 1st to the L-th letter; the line
// of the 1st letter is the one chosen. Empty without constituents.
struct QueryBasedLists {
    std::vector<std::string> SameLetter;
    std::vector<std::string> SameConstituent;
    int LetterReach = 0;
    int ConstituentReach = 0;
};
QueryBasedLists MakeQueryBasedLists(int elementCount, int wildCardCount, int maxWordLength, Language language);

// The line of the list of this reach that is chosen at first (the 1st letter
// or constituent), and the k that line `line` writes: -reach..-1, 1..reach.
constexpr int FirstForwardLine(int reach) { return reach; }
constexpr int QueryBasedNumber(int line, int reach) { return line - reach >= 0 ? line - reach + 1 : line - reach; }

// ---- Texts by language -------------------------------------------------------------

std::vector<std::string> PresenceItems(Language language);
std::vector<std::string> LetterHomeLines(Language language);
std::vector<std::string> SpecifiedSetHomeLines(Language language);
std::string AllLettersCaption(Language language);         // "All Letters (one each)"
std::string SameLetterCaption(Language language);         // "the same letter as the"
std::string SameConstituentLabelText(Language language);  // what a query constituent is

}  // namespace qora
