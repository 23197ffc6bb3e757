// The parser's working state, shared by the parser's units, each named for
// what it parses: ParseLine (the line and its checks), ParseText (numbers,
// quoted texts, tiles, relations), ParseQueryConstituents (query
// constituents and rack parts), ParseSlashCommands (the dispatch of the "/"
// sub-commands and the small ones), ParseFilters, ParseDefinitionTexts,
// ParseLayouts, ParseOrderings, ParseBoard, ParseSetDefinitions,
// ParseWordlistCommands and ParseFileCommands.
//
// Every Read/Parse function returns false after recording an error; the
// caller then returns false at once, so parsing stops at the first error.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/QueryRecords.h"
#include "engine/UserSets.h"
#include "engine/Wordlists.h"
#include "processor/Parser.h"
#include "processor/ParserMessages.h"

namespace qora {

// The largest count of one tile in a letter set, set (B) or set ($).
constexpr std::int32_t MaxCountInSet = 99;

// Letters a to z raised to A to Z; other bytes unchanged.
unsigned char ToUpperAscii(unsigned char c);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// "|", "&" or "-": the operators that join two sets or two wordlists.
inline bool IsSetOperator(unsigned char c) { return c == '|' || c == '&' || c == '-'; }

// Where a set body stands: what marks and kinds it may take.
enum class SetContext { QueryConstituent, RackElement, Definition };

class CommandParser {
public:
    CommandParser(std::string_view line, const Settings& standing, bool expanded, ParsedCommand& command);
    ParseResult Parse();

private:
    // What stands just before the current character, for the meaning of "!".
    enum class Preceding {
        Nothing,        // the start of the line or a blank: "!" makes the line's settings lasting
        Constituent,    // "!" is the requirement mark
        Setting,        // "!" makes that setting lasting
        LastingAction,  // set (B), set ($), mapping: lasting anyway, "!" is accepted
        Other,          // "!" is an error
    };
    struct SettingChange {
        std::function<void(Settings&)> Apply;
        bool Lasting = false;
    };
    struct Checkpoint {
        std::size_t Pos = 0;
        bool RackMode = false;
    };
    struct Relation {
        std::int32_t Code = RelationAtLeast;
        std::int32_t Value1 = 0;
        std::int32_t Value2 = 0;
    };

    // --- Lexical level (ParseText.cpp) ---------------------------------------
    bool AtEnd() const { return pos_ >= line_.size(); }
    unsigned char Peek(std::size_t ahead = 0) const;  // 0 past the end
    unsigned char PeekUpper(std::size_t ahead = 0) const;
    std::int32_t Here() const { return static_cast<std::int32_t>(pos_) + 1; }
    void Advance(std::size_t n = 1) { pos_ += n; }
    bool AtBlank() const;
    bool AtDigit() const;
    bool AtEndOfToken() const;  // the end of the line, a blank or "!"
    void SkipBlanks();          // blanks end a rack part
    Checkpoint Save() const { return {pos_, rackMode_}; }
    void Restore(Checkpoint checkpoint) {
        pos_ = checkpoint.Pos;
        rackMode_ = checkpoint.RackMode;
    }

    LinePlace Place(std::int32_t position) const { return {position, expanded_}; }
    bool Fail(std::string text, std::int32_t position);
    bool Fail(std::string_view pattern, std::int32_t position, std::int64_t n = 0, std::int64_t m = 0,
              std::string_view s = {});
    bool FailHere();  // the character here is illegal, or the line ends too soon
    bool FailAtCharacter(std::int32_t position);
    void Warn(std::string_view pattern, std::int32_t position);

    bool Expect(char c);                     // that character (letters in either case)
    bool ExpectWord(std::string_view word);  // letters in either case
    bool ReadNumber(std::int32_t& value);
    bool CheckRange(std::int32_t value, std::int32_t low, std::int32_t high, std::string_view noun,
                    std::int32_t position);
    bool ReadNumberInRange(std::int32_t& value, std::int32_t low, std::int32_t high, std::string_view noun);
    bool ReadWordlistNumber(std::int32_t& value, bool slateAllowed);
    bool CheckWordlistNumber(std::int32_t value, bool slateAllowed, std::int32_t position);
    bool ReadQuotedText(std::string& text);
    bool ReadLabel(std::string& label, std::size_t maxLength);
    bool ReadFileName(std::string& file);
    bool ReadOptionalFileName(std::string& file, std::string_view defaultName);

    // The tile of the active language at offset `at` (Spanish CH, LL, RR read
    // as one tile from two letters of the same case), 0 when there is none.
    int TileAt(std::size_t at, std::size_t& length) const;
    bool ReadTile(int& tile);
    // {[count] tile} up to ")", each tile's total at most maxCount.
    bool ReadLetterCounts(LetterCounts& counts, std::int32_t maxCount, std::string_view countNoun);

    // "x-y", "x<y", "<x", "<=x", "!=x", "=x", "x" (at least), ">=x", ">x";
    // with `probability`, a value may also be "{letters}".
    bool ReadRelation(Relation& relation, bool probability);
    bool ReadOperator(std::int32_t& code);
    bool ReadRelationValue(std::int32_t& value, bool probability);
    bool ReadSetRelation(std::int32_t& code);  // "<", "<=", "!=", "=", ">=", ">"
    void WarnIfNeverHolds(const Relation& relation, std::int32_t position);

    // --- Query constituents (ParseQueryConstituents.cpp) -----------------------------------
    bool ParseCountedItem();  // digits: a repetition count, a probe or a presentation count
    bool ParseConstituent(std::int32_t count, std::int32_t start);
    bool ParseParenthesised(QueryElement& element);
    // A set body after "(" up to and including ")"; `mark` is "@", "+", "-"
    // or 0, and `open` the position of the "(".
    bool ParseSetBody(SetSpec& set, char mark, std::int32_t markPosition, std::int32_t open, SetContext context);
    bool ParseRelationSet(SetSpec& set);
    bool ParseQueryBasedSet(SetSpec& set, std::int32_t open);
    bool ParseAllButSet(SetSpec& set, std::size_t close, std::int32_t open);
    bool ParseWordBasedSet(SetSpec& set, std::size_t close);
    bool ParseSpecifiedSet(SetSpec& set, std::size_t close, std::int32_t open);
    void FillBuiltInLetters(SetSpec& set) const;
    void FillRelationLetters(SetSpec& set, std::int32_t position);
    bool ParseWordReference(QueryElement& element);
    bool ReadReferencePosition(std::int32_t& position, bool& fromEnd);
    bool ParseRackStart();
    void AddElement(QueryElement element, std::int32_t start);

    // --- "/" sub-commands (ParseSlashCommands.cpp) ----------------------------------
    bool ParseSlashCommand();
    bool ParseNumberedCommand(std::int32_t start);
    bool ParseLetterProbe(std::int32_t letter, std::int32_t start);
    bool ParseMinusCommand(std::int32_t start);
    bool ParsePresenceQuestion(PresenceQuestion question, std::int32_t wordlist, std::string lexicon,
                               std::int32_t start);
    bool ParseQueryMode(std::int32_t start);
    // A number from low to high into one field of the settings (a number or
    // one of the numbered codes).
    template <typename Field>
    bool ParseSmallSetting(Field Settings::*field, std::int32_t low, std::int32_t high, std::string_view noun) {
        std::int32_t value = 0;
        if (!ReadNumberInRange(value, low, high, noun)) return false;
        ChangeSetting([field, value](Settings& s) { s.*field = static_cast<Field>(value); });
        return true;
    }
    bool ParseWordSource();
    bool ParseChallenge(std::int32_t start);
    bool ParseSwitchAction(std::int32_t start, ActionKind plus, ActionKind minus);

    // --- Query filters (ParseFilters.cpp, ParseDefinitionTexts.cpp) -----------------
    bool ReadFilterOff(bool& off);
    bool ReadFilterLetters(LetterCounts& counts, std::uint8_t* ignoreVowels);
    bool ParseNumericFilter(NumericFilter Settings::*filter, bool probability);
    bool ParseHooksFilter(SetFilter Settings::*filter);
    bool ParseBlankFilter();
    bool ParseDefinitionFilter();
    bool ParseDefinitionSearch(std::int32_t start);

    // --- Presentation (ParseLayouts.cpp, ParseOrderings.cpp, ParseBoard.cpp) --------
    bool ParseLayout();
    bool ParsePrintOrPresentation(std::int32_t start);
    bool ParsePresentationSwitch();
    bool ParseSortKeys();
    bool ParseOrdering(bool randomRack);
    bool CheckOrdering(std::string_view text, std::size_t first, bool randomRack);
    bool ParseMapping(std::int32_t start);
    bool ParseBoard();
    bool ParseBoardSquare();

    // --- Sets, wordlists and files (ParseSetDefinitions.cpp, ParseWordlistCommands.cpp,
    //     ParseFileCommands.cpp) ----------------------------------------------------
    bool ParseSetDefinition(std::int32_t number, std::int32_t start);
    bool ParseDefinedSet(SetSpec& set);
    bool ParseBagOrScores(std::int32_t start);
    bool ParseItemCommand(std::int32_t destination, std::int32_t start);
    bool ReadItemCount(std::int32_t& count);
    bool ParseDeleteItems(std::int32_t start);
    bool ParseWordlistCombination(std::int32_t start);
    bool ParseRandomRacks(std::int32_t start);
    bool ParseFileCommand(std::int32_t start);
    bool ParseCommandFile(std::int32_t start);
    bool ParseNamedCommand(std::int32_t start);  // /EXIT, /END

    // --- The line as a whole (ParseLine.cpp) ---------------------------------------------
    bool ParseSingleLetterCommand();
    bool ParseItem();
    bool ParseExclamation();
    // Applies a settings change to the line's settings and remembers it, so
    // that a lasting "!" can apply it to the pending settings too.
    void ChangeSetting(std::function<void(Settings&)> change, bool alwaysLasting = false);
    CommandAction& AddAction(ActionKind kind, std::int32_t start);
    bool SetMainCommand(CommandKind kind, std::int32_t start);
    bool Finish();
    bool CheckQuery();
    bool CheckPlainLetters(std::string_view what);
    bool CheckGridQuery();
    bool CheckQueryBasedSets();
    void ApplyLastingSettings();

    std::string_view line_;
    std::size_t pos_ = 0;
    bool expanded_ = false;
    ParsedCommand& command_;
    Settings& query_;

    std::optional<CommandMessage> error_;
    std::optional<CommandMessage> warning_;

    bool rackMode_ = false;
    std::size_t rackComma_ = 0;      // offset of the "," of the rack part being read
    bool rackCommaPending_ = false;  // no element of that rack part read yet
    Preceding preceding_ = Preceding::Nothing;
    std::vector<SettingChange> changes_;
    bool lineLasting_ = false;     // a stand-alone "!"
    bool queryModeGiven_ = false;  // "/Q" or "/B" on the line
    std::int32_t queryModePosition_ = 0;
    bool mainGiven_ = false;        // a search or presentation command other than the query
    std::size_t queryTextEnd_ = 0;  // where the last query constituent ended
};

}  // namespace qora
