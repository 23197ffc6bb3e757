// What the wordlist dialogs type onto the command line and the rules they
// follow, free of Qt: word presence questions ("/-?", "/7?"), wordlist labels
// ("/3L\"Nouns\""), new wordlists (copies, computed wordlists, imports), item
// deletes, copies and moves ("/7:0=3:5C") and random racks ("/. 100 > 3 A").
// The dialogs (dialogs/WordPresenceDialog, LabelDialog,
// NewWordlistDialog, MoveItemDialog, RandomRacksDialog) call these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qora {

// ---- Shared ----------------------------------------------------------------------

// The wordlist a line of the choice lists names: 0 for "the slate", else the
// number read by "wordlist %d" (FillWordlistChoices); nothing when the line
// does not read so or the number is no wordlist number.
std::optional<std::int32_t> WordlistOfChoice(std::string_view line);
// The wordlist a line of the listing (ListWordlists) names: its leading
// number; nothing when the line does not begin with one.
std::optional<std::int32_t> WordlistOfListLine(std::string_view line);

// Whether text can stand between double quotes on the command line: no
// double quote (it would end the text) and no control character.
bool IsQuotable(std::string_view text);
// A label of a wordlist: quotable and at most 20 characters.
bool IsWordlistLabel(std::string_view label);

// ---- Word presence ---------------------------------------------------------------

// The word a presence question asks about, from the command line: its
// letters A to Z and a to z in upper case, at most 60; a "/" is skipped with
// the character after it (a sub-command such as "/Z"); everything else is
// dropped.
std::string PresenceWord(std::string_view commandLine);
constexpr std::size_t PresenceWordLimit = 60;

// The caption of the "in the lexicons" choice.
const char* InLexiconCaption(bool secondaryChosen);

// The radio buttons of the dialog, in the order they are tested.
enum class PresencePlace { InLexicon, OnSlate, InNamedLexicon, InWordlist };

struct PresenceChoice {
    PresencePlace Place = PresencePlace::InLexicon;
    std::optional<std::string> LexiconName;  // the short name selected, if any
    std::optional<std::int32_t> Wordlist;    // the wordlist selected, if its line reads
};

// Whether OK can compose the question: a named lexicon needs a quotable
// name, a wordlist a line that reads.
bool PresenceComposable(const PresenceChoice& choice);
// "/-?", "/?", "/-\"name\"?" or "/%d?".
std::string PresenceCommand(const PresenceChoice& choice);

// ---- Labels ----------------------------------------------------------------------

// Whether the wordlist (1 to 99; the slate takes no label) can be labelled so.
bool LabelComposable(std::int32_t wordlist, std::string_view label);
// "/%dL\"%s\"": the label exactly as typed (empty removes it).
std::string LabelWordlistCommand(std::int32_t wordlist, std::string_view label);

// ---- New wordlists ---------------------------------------------------------------

// The items of the Computed page's set operation, and the operator each types.
enum SetOperationItem : int { UnionItem = 0, IntersectionItem = 1, DifferenceItem = 2 };
char SetOperationOperator(int item);

// What the dialog makes: wordlist `Target` (0 the slate), with a label or not.
struct NewWordlistTarget {
    std::int32_t Target = 1;
    std::optional<std::string> Label;
};

// Whether OK can compose: a target 0 to 99 and a label that can be typed.
// The slate takes no label.
bool NewWordlistComposable(const NewWordlistTarget& target);

// A copy of `base` (0 the slate; `sorted`: in presentation order): the texts
// appended one after another. The slate onto the slate makes none; "/%d%sW"
// with the label in quotes after it; "/%dR" restores the slate from a
// wordlist; "/Y%d=%d", then "/%dL\"%s\"" for a label.
std::vector<std::string> CopyWordlistCommands(const NewWordlistTarget& target, std::int32_t base, bool sorted);
// "/Y%d=%d%c%d", then "/%dL\"%s\"" for a label.
std::vector<std::string> ComputedWordlistCommands(const NewWordlistTarget& target, std::int32_t first, int operation,
                                                  std::int32_t second);
// One text: "/FR%dW\"%s\"" with the file, and "/%dL\"%s\"" for a label.
std::string ImportWordlistCommand(const NewWordlistTarget& target, std::string_view path);
// Whether the file's path can be typed in quotes.
bool IsImportablePath(std::string_view path);

// ---- Item moves ------------------------------------------------------------------

enum DispositionItem : int { DispositionDelete = 0, DispositionCopy = 1, DispositionMove = 2 };
enum class MoveDestination { ExistingWordlist, FlashcardWordlist, NewWordlist };

// The choices of the Move Item dialog, as specified (not as resolved).
struct MoveItemChoice {
    bool FromFlashcard = false;
    std::int32_t Source = 0;  // -1: none
    std::int32_t Item = 0;
    std::int32_t Count = 1;
    int Disposition = DispositionDelete;
    MoveDestination Destination = MoveDestination::ExistingWordlist;
    // The wordlist chosen, the flashcard wordlist or the new number; -1 none.
    std::int32_t DestinationWordlist = -1;
    std::int32_t DestinationItem = 0;
    bool FieldsValid = true;      // the item, count and destination item fields
    bool NewNumberValid = false;  // the new wordlist's number is free and at most 99
};

// How the specified numbers resolve against a source of `itemCount` items
// (nothing: no such wordlist): the actual first item and count.
struct MoveItemPreview {
    bool HasSource = false;
    std::int32_t ItemCount = 0;
    std::int32_t ActualItem = 0;  // 0 when the source is empty
    std::int32_t ActualCount = 0;
    std::int32_t LastItem = 0;
};
MoveItemPreview PreviewMoveSource(std::optional<std::int32_t> itemCount, std::int32_t item, std::int32_t count);
// The actual destination item in a destination of `itemCount` items; 1 in a
// new wordlist; nothing when there is no destination.
std::optional<std::int32_t> PreviewMoveDestination(std::optional<std::int32_t> itemCount, std::int32_t item,
                                                   bool newWordlist);

// OK's rule: the fields valid, at least one item taken, and for a copy or a
// move a usable destination.
bool MoveItemComposable(const MoveItemChoice& choice, std::int32_t actualCount);
// "/=%d:%dD", "/=%d:%d,%dD", "/%d:%d=%d:%d%c", "/%d:%d=%d:%d,%d%c", and for
// the current flashcard "/=%d:%dD" and "/%d:%d=C" or "=M".
std::string MoveItemCommand(const MoveItemChoice& choice);

// ---- Random racks ----------------------------------------------------------------

// Whether OK can compose: a count of racks the command takes (1 to 1000000)
// and a target wordlist 0 to 99.
bool RandomRacksComposable(std::int64_t count, std::int32_t target);
// "/. %d > %d A".
std::string RandomRacksCommand(std::int32_t count, std::int32_t target);

}  // namespace qora
