#include "engine/Flashcards.h"

#include "engine/Wordlists.h"
#include "platform/ProgramState.h"

namespace qora {

std::atomic<std::int32_t> FlashcardWordlistNumber = 0;
std::int32_t FlashcardIndex = -1;

bool FlashcardsActive() { return FlashcardWordlistNumber >= 1; }

std::optional<std::string> StartFlashcards(std::int32_t number) {
    const Wordlist* wordlist = number >= 1 ? FindWordlist(number) : nullptr;
    if (wordlist == nullptr || wordlist->Count() == 0) return std::nullopt;
    FlashcardWordlistNumber = number;
    FlashcardIndex = 0;
    return NextWordlistItem(number, 1);
}

std::optional<std::string> NextFlashcard() {
    const Wordlist* wordlist = FlashcardsActive() ? FindWordlist(FlashcardWordlistNumber) : nullptr;
    if (wordlist == nullptr || FlashcardIndex + 1 >= wordlist->Count()) return std::nullopt;
    ++FlashcardIndex;
    return NextWordlistItem(FlashcardWordlistNumber, FlashcardIndex + 1);
}

void StopFlashcards() {
    FlashcardWordlistNumber = -1;
    FlashcardIndex = -1;
}

std::int32_t CurrentFlashcardItem() { return FlashcardsActive() && FlashcardIndex >= 0 ? FlashcardIndex + 1 : 0; }

void ResetFlashcards() {
    FlashcardWordlistNumber = 0;
    FlashcardIndex = -1;
}
const ProgramStateReset registerResetFlashcards(ResetFlashcards);

}  // namespace qora
