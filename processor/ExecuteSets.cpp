// Set definitions ("/nU=...") and the letter mapping ("/M").
#include "engine/Listings.h"
#include "engine/QueryConstituents.h"
#include "engine/QueryEvaluation.h"
#include "engine/Tiles.h"
#include "engine/UserSets.h"
#include "processor/ExecutorParts.h"
#include "processor/Settings.h"

namespace qora::execution {

namespace {

// The letters of a definition's one set, resolved as a query resolves them.
bool LettersOf(const SetSpec& set, LetterCounts& letters) {
    std::string error;
    return LettersOfSet(set, PreviousBlankMatches(), letters, error) || Failed(error);
}

}  // namespace

// Arguments: [0] the set, [1] '|', '&', '-' joining action.Set and
// action.SecondSet, or 0 for action.Set alone, [4] 1 with a label (Text).
bool DefineSet(const CommandAction& action) {
    const std::int32_t number = action.Arguments[0];
    const std::int32_t setOperator = action.Arguments[1];
    LetterCountRecord record;
    if (!LettersOf(action.Set, record.Counts)) return false;
    if (setOperator == 0) {
        record.Kind = action.Set.Letters.Kind;
        record.Argument = action.Set.Letters.Argument;
    } else {
        LetterCounts second;
        if (!LettersOf(action.SecondSet, second)) return false;
        record.Counts = CombineLetterSets(record.Counts, SetOperationOf(setOperator), second);
        record.Kind = static_cast<std::int32_t>(SetKind::Specified);
    }
    // A definition without a label leaves the set unlabeled; "/4U\"x\"=(4)"
    // labels set 4 by defining it as itself.
    const std::string label = action.Arguments[4] != 0 ? action.Text : std::string();
    DefineUserSet(number, label, record);
    const std::string letters = LetterCountTotal(record.Counts) == 0 ? "empty" : FormatLetterCounts(&record.Counts, 8);
    WriteMessage(
        FormatText("Set %d%s is now %s", number, label.empty() ? "" : (" \"" + label + "\"").c_str(), letters.c_str()));
    CallOnMainThread(ExecutorHandlers.RefreshListTabs);
    return true;
}

bool ReportBagOrScores(const CommandAction& action) {
    const bool bag = action.Kind == ActionKind::DefineBag;
    WriteMessage(
        FormatText("Set (%c) is now %s", bag ? 'B' : '$', FormatLetterCounts(&action.Set.Letters.Counts, 8).c_str()));
    return true;
}

bool SetMapping(const CommandAction& action) {
    LetterMapping = action.Text;
    WriteMessage("The letter mapping is now " + WordToDisplay(LetterMapping));
    return true;
}

}  // namespace qora::execution
