#include "dialogs/texts/QueryConstituentTexts.h"

#include "dialogs/texts/LetterSetTexts.h"
#include "engine/Listings.h"
#include "processor/Settings.h"

namespace qora {

namespace {

std::string Blank(const ConstituentMarks& marks) { return marks.AfterRackPart ? " " : ""; }

std::string Count(const ConstituentMarks& marks) {
    return marks.RepeatCount == 1 ? "" : std::to_string(marks.RepeatCount);
}

std::string Requirement(const ConstituentMarks& marks) { return marks.Required ? "!" : ""; }

// "+" for a first time in the word, "-" for a repetition, "" otherwise.
std::string PresenceMark(int presence) {
    switch (presence) {
        case FirstTimeAnyLetter:
        case FirstTimeCertainLetters: return "+";
        case RepeatedAnyLetter:
        case RepeatedCertainLetters: return "-";
        default: return "";
    }
}

// b n ( inside ) r
std::string Parenthesised(const ConstituentMarks& marks, std::string_view inside) {
    return Blank(marks) + Count(marks) + "(" + std::string(inside) + ")" + Requirement(marks);
}

}  // namespace

std::string RepeatCountText(int count) { return count == 0 ? " 0 or more" : FormatText("%11d", count); }

std::string PresenceText(const ConstituentMarks& marks) {
    return Blank(marks) + Count(marks) + "(" + PresenceMark(marks.Presence) + ")";
}

std::string LetterText(const ConstituentMarks& marks, std::string_view tile) {
    const std::string mark = PresenceMark(marks.Presence);
    if (mark.empty()) return Blank(marks) + Count(marks) + std::string(tile) + Requirement(marks);
    // The requirement mark of a presence-marked letter stands inside.
    return Blank(marks) + Count(marks) + "(" + mark + std::string(tile) + Requirement(marks) + ")";
}

std::string KeptApartFromLine(std::string_view line, std::string text) {
    if (!SpanishLexiconActive || text.empty()) return text;
    // Read the letters at the end of the line as the parser reads them.
    std::size_t at = line.size();
    while (at > 0 && IsTileLetter(static_cast<unsigned char>(line[at - 1]))) --at;
    if (at == line.size()) return text;
    std::size_t lastTileLength = 0;
    for (; at < line.size(); at += lastTileLength) {
        const auto next = at + 1 < line.size() ? static_cast<unsigned char>(line[at + 1]) : 0;
        bool tookTwo = false;
        TileCodeOfChar(static_cast<unsigned char>(line[at]), next, tookTwo);
        lastTileLength = tookTwo ? 2 : 1;
    }
    bool joins = false;
    if (lastTileLength == 1)
        TileCodeOfChar(static_cast<unsigned char>(line.back()), static_cast<unsigned char>(text.front()), joins);
    if (!joins) return text;
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        else if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string BlankScoringSwitch(int blankKind, bool zeroScoringBlanks) {
    if (zeroScoringBlanks && blankKind == LetterScoringBlank) return "/-Z";
    if (!zeroScoringBlanks && blankKind == ZeroScoringBlank) return "/Z";
    return "";
}

std::string BlankText(const ConstituentMarks& marks, int blankKind, bool zeroScoringBlanks) {
    const bool scored = blankKind != PatternImplyingBlank;
    if (scored && marks.RepeatCount == 0) return Blank(marks) + "*";
    return Blank(marks) + Count(marks) + (scored ? "?" : ".") + Requirement(marks) +
           BlankScoringSwitch(blankKind, zeroScoringBlanks);
}

int BlankKindAtActivation(int blankKind, bool zeroScoringBlanks) {
    if (blankKind == PatternImplyingBlank) return blankKind;
    return zeroScoringBlanks ? ZeroScoringBlank : LetterScoringBlank;
}

std::string BuiltInSetText(const ConstituentMarks& marks, std::string_view body) {
    const std::string mark =
        marks.Presence == NoRestriction ? (marks.AllMembers ? "@" : "") : PresenceMark(marks.Presence);
    return Parenthesised(marks, mark + std::string(body));
}

std::string WordBasedSetText(const ConstituentMarks& marks, std::string_view body) {
    return Parenthesised(marks, body);
}

std::string SpecifiedSetText(const ConstituentMarks& marks, std::string_view tiles) {
    return Parenthesised(marks, PresenceMark(marks.Presence) + std::string(tiles));
}

std::string AllButSetText(const ConstituentMarks& marks, std::string_view tiles) {
    return Parenthesised(marks, PresenceMark(marks.Presence) + "!" + std::string(tiles));
}

// A rack part holds a user-defined set, so the set joins the rack part that
// the line ends in, except with a count of 0, which a rack part refuses.
std::string UserDefinedSetText(const ConstituentMarks& marks, int setNumber) {
    ConstituentMarks joiningRackPart = marks;
    joiningRackPart.AfterRackPart = marks.AfterRackPart && marks.RepeatCount == 0;
    return Parenthesised(joiningRackPart, (marks.AllMembers ? "@" : "") + std::to_string(setNumber));
}

std::string QueryBasedSetText(const ConstituentMarks& marks, bool sameLetter, int k) {
    return Blank(marks) + Count(marks) + "(" + (sameLetter ? "R" : "S") + std::to_string(k) + ")";
}

std::string RackLetterText(bool inRackPart, std::string_view tile, bool required) {
    return (inRackPart ? "" : ",") + std::string(tile) + (required ? "!" : "");
}

std::string RackBlankText(bool inRackPart, bool required, int blankKind, bool zeroScoringBlanks) {
    return RackLetterText(inRackPart, "?", required) + BlankScoringSwitch(blankKind, zeroScoringBlanks);
}

std::string WordReferenceText(const ConstituentMarks& marks, const WordReferenceChoice& reference) {
    std::string inside = reference.Mapping ? "M" : "";
    const bool reversed = reference.Kind == EntireWordReversedKind || reference.Kind == SubwordReversedKind;
    if (reversed) inside += "~";
    if (reference.Kind == SubwordKind || reference.Kind == SubwordReversedKind) {
        const auto position = [](int at, bool fromEnd) { return std::to_string(at) + (fromEnd ? "|" : ""); };
        inside += position(reference.From, reference.FromEnd);
        if (reference.FromEnd != reference.ThruEnd || reference.From != reference.Thru)
            inside += "-" + position(reference.Thru, reference.ThruEnd);
    }
    return Blank(marks) + Count(marks) + "[" + inside + "]" + Requirement(marks);
}

QueryBasedLists MakeQueryBasedLists(int elementCount, int wildCardCount, int maxWordLength, Language language) {
    QueryBasedLists lists;
    if (elementCount <= 0) return lists;
    const int reach = wildCardCount != 0 ? maxWordLength - 1 : elementCount;
    lists.LetterReach = reach > 0 ? reach : 0;
    lists.ConstituentReach = elementCount;
    const char* tile = language == Language::Spanish ? "tile" : "letter";
    for (int k = lists.LetterReach; k >= 1; --k)
        lists.SameLetter.push_back(k == 1 ? FormatText("previous %s of the word", tile)
                                          : FormatText("%s previous %s of the word", FormatOrdinal(k).c_str(), tile));
    for (int k = 1; k <= lists.LetterReach; ++k) lists.SameLetter.push_back(FormatOrdinal(k) + " letter of the word");
    for (int k = elementCount; k >= 1; --k)
        lists.SameConstituent.push_back(k == 1 ? std::string("previous constituent of the query")
                                               : FormatOrdinal(k) + " previous constituent of the query");
    for (int k = 1; k <= elementCount; ++k)
        lists.SameConstituent.push_back(FormatOrdinal(k) + " constituent of the query");
    return lists;
}

std::vector<std::string> PresenceItems(Language language) {
    const std::string letter = language == Language::Spanish ? "tile" : "letter";
    return {"no restriction", "first time in word - any " + letter, "first time in word - certain " + letter + "(s)",
            "repeated in word - any " + letter, "repeated in word - certain " + letter + "(s)"};
}

std::vector<std::string> LetterHomeLines(Language language) {
    if (language == Language::Spanish)
        return {"Either click a tile button or indicate a tile by typing.",
                "Use CTRL-letter: C,L,N,R for CH,LL,\xD1,RR."};
    return {"Either click a letter button or type a letter.", ""};
}

std::vector<std::string> SpecifiedSetHomeLines(Language language) {
    if (language == Language::Spanish)
        return {"Either click an up-down arrow or type a tile.", "Lowercase raises and uppercase lowers count.",
                "Use CTRL-letter: C,L,N,R for CH,LL,\xD1,RR."};
    return {"Either click an up-down arrow or type a letter.", "Lowercase raises and uppercase lowers count."};
}

std::string AllLettersCaption(Language language) { return std::string("All ") + LettersWord(language) + " (one each)"; }

std::string SameLetterCaption(Language language) {
    return language == Language::Spanish ? "the same tile as the" : "the same letter as the";
}

std::string SameConstituentLabelText(Language language) {
    return std::string("A query constituent is a ") + (language == Language::Spanish ? "tile" : "letter") +
           ", set specification, or word (or subword) reference.";
}

}  // namespace qora
