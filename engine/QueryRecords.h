// The records that carry a parsed command line from the command processor to
// the word engine: the settings every query and presentation reads
// (`Settings`) and the parsed command (`ParsedCommand`) with its query
// elements and its other actions. The processor fills them; the engine reads
// them to evaluate and present a query without looking at the text again.
// See docs/command-language.md for the language that produces them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/LetterCounts.h"
#include "engine/Wordlists.h"

namespace qora {

// --- Numbered values ----------------------------------------------------------

// Query modes (`Settings::QueryMode`).
enum QueryMode : std::int32_t {
    QueryModeAnagrams = 1,
    QueryModePattern = 2,
    QueryModeImbeddedWord = 3,
    QueryModeSteal = 4,
    QueryModeTwoWord = 5,
    QueryModeGrid = 10,  // the 5 x 5 letter grid
};

// Relation codes of the numeric filters (`FilterRelation`, 1 to 8) and of the
// set filters (`SetRelation`, 1 to 6, the same first six codes: for sets
// "above" is a proper superset, "below" a proper subset).
enum FilterRelation : std::int32_t {
    RelationEqual = 1,     // "=" Value1
    RelationNotEqual = 2,  // "!=" Value1
    RelationAbove = 3,     // ">" Value1
    RelationBelow = 4,     // "<" Value1
    RelationAtLeast = 5,   // ">=" Value1, written as the bare number
    RelationAtMost = 6,    // "<=" Value1
    RelationRange = 7,     // Value1 "-" Value2, both included
    RelationHalfOpen = 8,  // Value1 "<" Value2: at least Value1, below Value2
};

// Result kinds (`Settings::ResultKind`).
enum ResultKind : std::int32_t {
    ResultKindWords = 0,
    ResultKindStrings = 1,
    ResultKindCanonicalWords = 2,  // letters in the word-output ordering
};

// Slate updates (`Settings::SlateUpdate`): how a query's result meets the slate.
enum SlateUpdate : std::int32_t {
    SlateUpdateReplace = 0,
    SlateUpdateAdd = 1,
    SlateUpdateRemove = 2,
    SlateUpdateKeepOnly = 3,
};

// Presentation switches (`PresentationSwitch`), bits of
// `Settings::PresentationSwitches`; the letter is the one "/V+" and "/V-" take.
enum PresentationSwitch : std::uint32_t {
    SwitchScores = 1u << 0,        // S
    SwitchProbability = 1u << 1,   // P
    SwitchHooks = 1u << 2,         // H
    SwitchDefinitions = 1u << 3,   // D
    SwitchAnagramCount = 1u << 4,  // N
};

// Presentation kinds (`Settings::PresentationKind`, 1 to 11); "/P" sets any of
// them by number, some also have texts of their own.
enum PresentationKind : std::int32_t {
    PresentationEveryWord = 1,
    PresentationCountOnly = 2,      // how many items the slate holds
    PresentationCountQuestion = 3,  // "This # words?:", "25~"
    PresentationWithDefinitions = 4,
    PresentationWithHooks = 5,
    PresentationWithScoresAndProbabilities = 6,
    PresentationProbeLetter = 7,     // one letter of one word, " 2/3 "
    PresentationProbeColumn = 8,     // one letter of all words, " 1/ "
    PresentationProbeWord = 9,       // one word, " /12 "
    PresentationCountWith = 10,      // "This # words with ...", "25'"
    PresentationAnagramGroups = 11,  // one entry per set of letters
};
constexpr PresentationKind PresentationKindFirst = PresentationEveryWord;
constexpr PresentationKind PresentationKindLast = PresentationAnagramGroups;

// Sort keys (`SortKey`); the value is the key's letter in "/K".
enum class SortKeyKind : char {
    Alphabetical = 'A',
    Length = 'L',
    Score = 'S',
    Probability = 'P',
    AnagramCount = 'N',
    Hooks = 'H',
    Canonical = 'C',    // the word's letters in canonical order
    SourceOrder = 'W',  // the order of the wordlist or slate searched
    Random = 'R',
};
constexpr int MaxSortKeys = 7;

struct SortKey {
    SortKeyKind Key = SortKeyKind::Alphabetical;
    bool Descending = false;
    bool operator==(const SortKey&) const = default;
};

// Output layouts (`OutputLayout`, 1 to 9).
enum OutputLayout : std::int32_t {
    LayoutOnePerLine = 1,
    LayoutPackedRows = 2,                // parameter: spacing
    LayoutPackedRowsCommas = 3,          // parameter: spacing
    LayoutColumnatedRowsMinimal = 4,     // parameter: spacing
    LayoutColumnatedRowsFixed = 5,       // parameter: width
    LayoutColumnatedRowsExpandable = 6,  // parameter: minimum width
    LayoutColumnsMinimal = 7,            // parameter: spacing
    LayoutColumnsFixed = 8,              // parameter: width
    LayoutColumnsExpandable = 9,         // parameter: minimum width
};

// Board scoring modes (`ScoringMode`).
enum ScoringMode : std::int32_t {
    ScoringModePlain = 1,
    ScoringModeSevenTileBonus = 2,
    ScoringModeCentreRow = 3,
    ScoringModeStartingAtSquare = 4,
    ScoringModeIncludingSquare = 5,
    ScoringModeGrid = 6,  // the 5 x 5 grid's word scores
};

constexpr std::int32_t SmallBoardSize = 15;
constexpr std::int32_t LargeBoardSize = 21;
constexpr std::int32_t BoardHorizontal = 1;
constexpr std::int32_t BoardVertical = 0;

constexpr std::int32_t WordSourceLexicon = -1;  // `Settings::WordSource`

// --- Settings -----------------------------------------------------------------

// A numeric query filter: word length, score, probability, word count or
// anagram count. `Active` is the filter's switch; the relation and values stay
// when it is switched off, so that switching it on again restores them.
struct NumericFilter {
    std::uint8_t Active = 0;
    std::int32_t Relation = RelationAtLeast;  // FilterRelation code
    std::int32_t Value1 = 0;
    std::int32_t Value2 = 0;
    bool operator==(const NumericFilter&) const = default;
};

// A set filter: blank-matched letters, front hooks or back hooks.
struct SetFilter {
    std::uint8_t Active = 0;
    std::int32_t Relation = RelationAtLeast;  // SetRelation code 1 to 6
    LetterCountRecord Letters;
    bool operator==(const SetFilter&) const = default;
};

// The definition filter: `Text` is kept in its stored form, with a blank at
// each end that the user did not mark with "|" (typed "noun" is " noun ",
// "|noun" is "noun ").
struct DefinitionFilter {
    std::uint8_t Active = 0;
    std::uint8_t Sense = 1;  // 1: the definition includes the text; else it does not
    std::string Text;
    bool operator==(const DefinitionFilter&) const = default;
};

struct Settings {
    // What is searched.
    std::int32_t WordSource = WordSourceLexicon;     // -1 the lexicon, else a wordlist (0 the slate)
    std::int32_t WordReferenceSource = SlateNumber;  // whose words "[...]" stands for
    qora::QueryMode QueryMode = QueryModeAnagrams;
    std::uint8_t ZeroScoringBlanks = 0;  // blanks score zero

    // The nine query filters.
    NumericFilter LengthFilter;
    NumericFilter ScoreFilter;
    NumericFilter ProbabilityFilter;
    NumericFilter WordCountFilter;
    NumericFilter AnagramCountFilter;
    SetFilter BlankFilter;
    SetFilter FrontHooksFilter;
    SetFilter BackHooksFilter;
    qora::DefinitionFilter DefinitionFilter;
    std::uint8_t BlankIgnoreVowels = 0;  // the "-" mark of the blank filter

    // What the result is and how it meets the slate.
    qora::ResultKind ResultKind = ResultKindWords;
    qora::SlateUpdate SlateUpdate = SlateUpdateReplace;

    // Presentation.
    std::uint32_t PresentationSwitches = 0;  // PresentationSwitch bits
    qora::PresentationKind PresentationKind = PresentationEveryWord;
    std::int32_t PresentationCount = 25;  // words covered by kinds 3 and 10
    std::int32_t ProbeWordNumber = 1;
    std::int32_t ProbeLetterPosition = 1;
    std::array<SortKey, MaxSortKeys> SortKeys{};
    std::int32_t SortKeyCount = 1;  // alphabetical only

    // Layout, maximum width and rows per page.
    qora::OutputLayout OutputLayout = LayoutOnePerLine;
    std::int32_t LayoutParameter = 1;
    std::uint8_t WorkspaceWidthSwitch = 1;  // the width follows the workspace
    std::uint8_t CharactersSwitch = 1;      // MaximumWidth counts characters, else columns
    std::int32_t MaximumWidth = 80;
    std::int32_t RowsPerPage = 55;  // 0: unlimited

    // Board scoring.
    qora::ScoringMode ScoringMode = ScoringModePlain;
    std::int32_t BoardSize = SmallBoardSize;  // or LargeBoardSize
    std::int16_t BoardRow = 7;                // 0-based; H8 is the 15 x 15 centre
    std::int16_t BoardColumn = 7;
    std::int16_t BoardOrientation = BoardHorizontal;

    // Canonical orderings, as the text typed (display text: every tile of the
    // language once, blanks and "+" as separators, "?" for the blank in the
    // random-rack ordering). An empty random-rack ordering keeps the racks in
    // the order drawn ("(random)").
    std::string RandomRackOrder = "ABCDEFGHIJKLMNOPQRSTUVWXYZ?";
    std::string CanonicalOutputOrder = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

    // The bag that probabilities count draws from (set (B)).
    LetterCounts LetterDistribution{};

    bool operator==(const Settings&) const = default;
};

// Whether `value` stands in the relation `code` (a FilterRelation) to the
// values; an unknown code never holds.
bool RelationHolds(std::int32_t code, std::int64_t value, std::int32_t value1, std::int32_t value2);

// The active language's tiles in alphabetical order as an ordering text,
// followed by "?" for a random-rack ordering; Spanish double tiles are written
// in lower case ("ABCchDEF...").
std::string AlphabeticalOrdering(bool withBlank);

// The built-in defaults, for the active language.
Settings BuiltInSettings();

// The active language's bag as a letter distribution.
LetterCounts BagDistribution();

// --- Query elements -------------------------------------------------------------

// The built-in letter sets (`SetSpec::Argument` of a built-in set).
enum BuiltInSet : std::int32_t {
    BuiltInVowels = 1,         // "V": A E I O U
    BuiltInVowelsAndY = 2,     // "V+"
    BuiltInConsonants = 3,     // "C": including Y
    BuiltInConsonantsNoY = 4,  // "C-"
    BuiltInAllLetters = 5,     // "A": one of each tile
    BuiltInBag = 6,            // "B": set (B), the full bag
    BuiltInBlankMatches = 7,   // "=": the letters blanks matched in the previous query
};

enum class SetKind : std::int32_t {
    Letter,           // one tile: Argument is its tile number
    Blank,            // "?": any tile, matched by a blank
    PatternBlank,     // ".": a blank that makes the query a pattern
    AnyLetter,        // "(+)" or "(-)": any tile, with its presence mark
    BuiltIn,          // Argument: BuiltInSet
    ScoreBased,       // "$": tiles whose score stands in Relation to Value1, Value2
    CountBased,       // "#": tiles whose bag count stands in that relation
    WordPattern,      // Text: tiles with one "." - the tiles that fit there
    WordAnagram,      // Text: tiles with one "?" - the tiles that complete a word
    Specified,        // Letters: the tiles given, with their counts
    AllBut,           // Letters: one of every tile not given
    UserDefined,      // Argument: the user-defined set's number
    SameLetter,       // "(Rk)": the letter at word position k (k < 0: |k| back)
    SameConstituent,  // "(Sk)": the tile of constituent k (k < 0: |k| back)
};

// One letter set of a query or of a set definition.
struct SetSpec {
    SetKind Kind = SetKind::Letter;
    std::int32_t Argument = 0;
    char Presence = 0;          // '+' first time in the word, '-' repeated, 0 none
    bool AllMembers = false;    // "@": every member, not any one
    std::int32_t Relation = 0;  // score- and count-based sets: FilterRelation code
    std::int32_t Value1 = 0;
    std::int32_t Value2 = 0;
    std::string Text;  // word-based sets: tile string with its "." or "?"
    // The tiles, filled by the parser for Letter, BuiltIn (not "="),
    // ScoreBased, CountBased, Specified and AllBut sets from the tables in
    // force for the line; the other kinds are resolved when evaluated.
    LetterCountRecord Letters;
    bool operator==(const SetSpec&) const = default;
};

// A word reference "[...]": the current word of the word-reference source,
// or part of it. Positions are 1-based, counted from the end when marked.
struct WordReference {
    bool Mapped = false;    // "M": through the letter mapping
    bool Reversed = false;  // "~"
    bool Whole = true;      // "[]": no position given
    std::int32_t First = 0;
    bool FirstFromEnd = false;
    std::int32_t Last = 0;  // equal to First for a single position
    bool LastFromEnd = false;
    bool operator==(const WordReference&) const = default;
};

enum class ElementKind : std::int32_t {
    Constituent,    // takes one tile from `Set` per repetition
    WildCard,       // "*": any number of blank-matched tiles
    WordReference,  // `Reference`
};

struct QueryElement {
    ElementKind Kind = ElementKind::Constituent;
    std::int32_t RepeatCount = 1;  // 0: zero or more
    bool Required = false;         // "!"
    bool InRack = false;           // part of a rack part ",..."
    SetSpec Set;
    qora::WordReference Reference;
    std::int32_t Position = 0;  // 1-based character of the line where it begins
    bool operator==(const QueryElement&) const = default;
};

// --- The parsed command -----------------------------------------------------------

// What a line asks for besides its settings and actions: at most one search
// or presentation per line.
enum class CommandKind : std::int32_t {
    Empty,             // nothing at all
    ActionsOnly,       // only actions (set, wordlist, item, file commands, ...)
    PresentSlate,      // settings without a search: present the slate again
    Query,             // the query elements, in the query mode of the settings
    WordPresence,      // Arguments[0] PresenceQuestion, [1] wordlist; Text lexicon; Word
    DefinitionSearch,  // Text, SecondText (stored forms); Arguments[0] SearchConnective
    RandomRacks,       // Arguments[0] count, [1] wordlist (0 slate), [2] append, [3] target given
    ChallengeWindow,   // Arguments[0] 1 for "/C", [1] lock number, [2] recording option,
                       // [3] 1 when the line's words are carried in
    GridWindow,        // Arguments[0] 1 for "/G" (the line's letters typed into the grid)
    Timer,             // "T"
    WordBuildingGame,  // "W"
};

enum PresenceQuestion : std::int32_t {
    PresenceInLexicons = 1,      // "/-?": primary (and secondary) lexicon
    PresenceOnSlate = 2,         // "/?"
    PresenceInWordlist = 3,      // "/n?"
    PresenceInNamedLexicon = 4,  // "/-\"name\"?"
};

enum SearchConnective : std::int32_t {
    ConnectiveNone = 0,
    ConnectiveAnd = 1,     // "&"
    ConnectiveAndNot = 2,  // "&!"
    ConnectiveOr = 3,      // "|"
};

// The commands of a line other than its search, executed left to right
// before it. Arguments by kind (unused ones are 0):
enum class ActionKind : std::int32_t {
    DefineUserSet,     // [0] set, [1] '|' '&' '-' joining Set and SecondSet, or 0 for Set
                       // alone, [4] 1 with a label (Text)
    DefineBag,         // set (B): Set.Letters
    DefineScores,      // set ($): Set.Letters
    SetLetterMapping,  // Text: 26 or 28 tile codes ('@' + tile number)
    LabelWordlist,     // [0] wordlist; Text label
    CopySlate,         // [0] wordlist, [1] 1 sorted ("~"), [2] 1 with a label (Text)
    RestoreSlate,      // [0] wordlist
    CopyWordlist,      // [0] target, [1] source
    CombineWordlists,  // [0] target, [1] first, [2] '|' '&' '-', [3] second
    ImportWordlist,    // [0] wordlist; Text file
    ExportWordlist,    // [0] wordlist (0 slate), [1] 1 sorted, [2] 1 append; Text file
    DeleteItems,       // [0] source, [1] item, [2] count
    CopyItems,         // [0] destination, [1] item there, [2] source, [3] item, [4] count
    MoveItems,         // as CopyItems
    CopyFlashcard,     // [0] destination, [1] item there
    MoveFlashcard,     // as CopyFlashcard
    PrintWorkspace,    // Text title
    RunCommandFile,    // Text file
    ExitProgram,
    EndCommandFile,
    RecordingOn,
    RecordingOff,
    StartFlashcards,  // [0] wordlist
    NextFlashcard,
    StopFlashcards,
    ExportHistory,        // Text file
    ImportHistory,        // Text file
    ExportWorkspace,      // Text file
    ExportGrids,          // [0] 1 append; Text file (5 x 5 grids)
    ImportGrids,          // Text file
    ExportBuildingGrids,  // [0] 1 append; Text file (Word-Building grids)
    ImportBuildingGrids,  // Text file
};

struct CommandAction {
    ActionKind Kind = ActionKind::ExitProgram;
    std::array<std::int32_t, 5> Arguments{};
    std::string Text;
    SetSpec Set;
    SetSpec SecondSet;          // DefineUserSet: the set joined to Set
    std::int32_t Position = 0;  // 1-based character of the line where it begins
    bool operator==(const CommandAction&) const = default;
};

struct ParsedCommand {
    CommandKind Kind = CommandKind::Empty;
    std::array<std::int32_t, 5> Arguments{};
    std::string Text;
    std::string SecondText;
    std::string Word;           // word presence: the line's word as a tile string
    std::int32_t Position = 0;  // where the search or presentation command begins

    std::vector<CommandAction> Actions;
    std::vector<QueryElement> QueryElements;  // query and rack elements in line order
    std::int32_t QueryElementCount = 0;       // query constituents (rack elements not counted)
    std::int32_t WildCardCount = 0;           // "*" in the query
    std::string QueryText;                    // the query part of the line, for "^"

    std::uint8_t SetBDefined = 0;       // the line defines set (B) ...
    std::uint8_t SetDollarDefined = 0;  // ... or set ($)
    LetterCountRecord SetB;
    LetterCountRecord SetDollar;

    Settings QuerySettings;    // the settings of this line
    Settings PendingSettings;  // the settings in force after it (lasting "!")
};

}  // namespace qora
