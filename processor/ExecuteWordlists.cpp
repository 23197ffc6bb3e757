// Wordlist commands: labels, copies, restoring the slate, computed
// wordlists, wordlist files, item commands and flashcards.
#include <optional>
#include <vector>

#include "engine/Flashcards.h"
#include "engine/Listings.h"
#include "engine/WordlistFiles.h"
#include "engine/Wordlists.h"
#include "processor/ExecutorParts.h"

namespace qora::execution {

namespace {

// The wordlists changed: the lists that name them are filled again.
bool WordlistsChanged() {
    CallOnMainThread(ExecutorHandlers.RefreshListTabs);
    return true;
}

bool FlashcardsChanged() {
    CallOnMainThread(ExecutorHandlers.ShowFlashcardState);
    return true;
}

void ShowFlashcard(const std::string& card) {
    const Wordlist* wordlist = FindWordlist(FlashcardWordlistNumber);
    WriteMessage(FormatText("Flashcard %d of %d: %s", FlashcardIndex + 1, wordlist != nullptr ? wordlist->Count() : 0,
                            card.c_str()));
}

}  // namespace

bool LabelWordlist(const CommandAction& action) {
    const std::int32_t number = action.Arguments[0];
    if (!SetWordlistLabel(number, action.Text)) return NoSuchWordlist(number);
    if (action.Text.empty())
        WriteMessage(FormatText("Wordlist %d has no label now", number));
    else
        WriteMessage(FormatText("Wordlist %d is labelled \"%s\"", number, FindWordlist(number)->Label.c_str()));
    return WordlistsChanged();
}

// Arguments: [0] the wordlist, [1] 1 in presentation order, [2] 1 with a
// label (Text).
bool CopySlate(const CommandAction& action) {
    const std::int32_t number = action.Arguments[0];
    const std::vector<std::int32_t> order = action.Arguments[1] != 0 ? SlateOrder() : std::vector<std::int32_t>{};
    CopyWordlist(SlateNumber, number, order);
    if (action.Arguments[2] != 0) SetWordlistLabel(number, action.Text);
    ReportWordlistSize(number);
    return WordlistsChanged();
}

bool RestoreSlate(const CommandAction& action) {
    if (!CopyWordlist(action.Arguments[0], SlateNumber)) return NoSuchWordlist(action.Arguments[0]);
    ReportWordlistSize(SlateNumber);
    return true;
}

// Arguments: [0] the target, [1] the source.
bool CopyIntoWordlist(const CommandAction& action) {
    if (!CopyWordlist(action.Arguments[1], action.Arguments[0])) return NoSuchWordlist(action.Arguments[1]);
    ReportWordlistSize(action.Arguments[0]);
    return WordlistsChanged();
}

// Arguments: [0] the target, [1] the first, [2] '|', '&' or '-', [3] the second.
bool ComputeWordlist(const CommandAction& action) {
    for (const std::int32_t operand : {action.Arguments[1], action.Arguments[3]})
        if (!WordlistExists(operand)) return NoSuchWordlist(operand);
    CombineWordlists(action.Arguments[0], action.Arguments[1], SetOperationOf(action.Arguments[2]),
                     action.Arguments[3]);
    ReportWordlistSize(action.Arguments[0]);
    return WordlistsChanged();
}

// Arguments: [0] the wordlist; Text the file.
bool ReadWordlistFile(const CommandAction& action) {
    const std::int32_t number = action.Arguments[0];
    WordlistFileReport report;
    std::string error;
    if (!ImportWordlist(action.Text, number, report, error))
        return Failed(FormatText("Cannot read wordlist file %s: %s", action.Text.c_str(), error.c_str()));
    std::string text =
        Capitalised(WordlistName(number)) + " now holds the " + CountOf(report.Items, "item") + " of " + action.Text;
    if (report.SkippedLines > 0) text += " (" + CountOf(report.SkippedLines, "unreadable line") + " skipped)";
    WriteMessage(text);
    return WordlistsChanged();
}

// Arguments: [0] the wordlist (0 the slate), [1] 1 in presentation order,
// [2] 1 to append; Text the file.
bool WriteWordlistFile(const CommandAction& action) {
    const std::int32_t number = action.Arguments[0];
    if (!WordlistExists(number)) return NoSuchWordlist(number);
    const std::vector<std::int32_t> order =
        number == SlateNumber && action.Arguments[1] != 0 ? SlateOrder() : std::vector<std::int32_t>{};
    const bool append = action.Arguments[2] != 0;
    WordlistFileReport report;
    std::string error;
    if (!ExportWordlist(number, action.Text, append, order, report, error))
        return Failed(FormatText("Cannot write wordlist file %s: %s", action.Text.c_str(), error.c_str()));
    WriteMessage(FormatText("%s of %s %s %s", CountOf(report.Items, "item").c_str(), WordlistName(number).c_str(),
                            append ? "appended to" : "written to", action.Text.c_str()));
    return true;
}

// Arguments: [0] the source, [1] the item, [2] the count.
bool DeleteItems(const CommandAction& action) {
    const std::int32_t source = action.Arguments[0];
    const std::int32_t deleted = DeleteWordlistItems(source, action.Arguments[1], action.Arguments[2]);
    if (deleted < 0) return NoSuchWordlist(source);
    WriteMessage(CountOf(deleted, "item") + " deleted from " + WordlistName(source));
    return WordlistsChanged() && FlashcardsChanged();
}

// Copies or moves items: [0] the destination, [1] the item there, [2] the
// source, [3] its item, [4] the count.
bool TransferItems(const CommandAction& action) {
    const std::int32_t source = action.Arguments[2];
    if (!WordlistExists(source)) return NoSuchWordlist(source);
    const bool move = action.Kind == ActionKind::MoveItems;
    const std::int32_t destination = action.Arguments[0];
    const std::int32_t count =
        TransferWordlistItems(destination, action.Arguments[1], source, action.Arguments[3], action.Arguments[4], move);
    if (count < 0) return NoSuchWordlist(destination);
    WriteMessage(FormatText("%s %s from %s to %s", CountOf(count, "item").c_str(), move ? "moved" : "copied",
                            WordlistName(source).c_str(), WordlistName(destination).c_str()));
    return WordlistsChanged() && FlashcardsChanged();
}

// The current flashcard copied or moved: [0] the destination, [1] the item there.
bool TransferFlashcard(const CommandAction& action) {
    const std::int32_t item = CurrentFlashcardItem();
    if (item == 0) return Failed("There is no current flashcard");
    CommandAction items = action;
    items.Kind = action.Kind == ActionKind::MoveFlashcard ? ActionKind::MoveItems : ActionKind::CopyItems;
    items.Arguments = {action.Arguments[0], action.Arguments[1], FlashcardWordlistNumber, item, 1};
    return TransferItems(items);
}

bool BeginFlashcards(const CommandAction& action) {
    const std::int32_t number = action.Arguments[0];
    if (!WordlistExists(number)) return NoSuchWordlist(number);
    const std::optional<std::string> card = StartFlashcards(number);
    if (!card) return Failed(FormatText("Wordlist %d has no items to show as flashcards", number));
    ShowFlashcard(*card);
    return FlashcardsChanged();
}

bool ShowNextFlashcard() {
    if (!FlashcardsActive()) return Failed("No flashcards are being shown: start them with /H and a wordlist number");
    if (const std::optional<std::string> card = NextFlashcard())
        ShowFlashcard(*card);
    else
        WriteMessage("That was the last flashcard of " + WordlistName(FlashcardWordlistNumber));
    return FlashcardsChanged();
}

bool EndFlashcards() {
    StopFlashcards();
    WriteMessage("Flashcards stopped");
    return FlashcardsChanged();
}

}  // namespace qora::execution
