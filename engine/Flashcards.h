// The flashcard drill: the items of a numbered wordlist shown one by one.
// The current card is a second cursor of that wordlist; the wordlist's item
// commands keep it on its item (engine/Wordlists.cpp).
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

namespace qora {

// The wordlist shown as flashcards: below 1 while flashcarding is off (0 at
// start, -1 once stopped); a command file's flashcard commands set it on
// their thread while the main window's indicators read it. FlashcardIndex:
// the current card (0-based), -1 none.
extern std::atomic<std::int32_t> FlashcardWordlistNumber;
extern std::int32_t FlashcardIndex;

bool FlashcardsActive();  // FlashcardWordlistNumber is 1 or more
// Starts the drill on numbered wordlist `number` at its first item; returns
// that card, or nothing (flashcarding unchanged) when the wordlist does not
// exist or is empty.
std::optional<std::string> StartFlashcards(std::int32_t number);
// The next card; nothing when flashcarding is off or the last card is shown.
std::optional<std::string> NextFlashcard();
void StopFlashcards();
// The current card's item number (1-based) for the item commands, 0 when none.
std::int32_t CurrentFlashcardItem();

void ResetFlashcards();  // off as at start (0), no current card

}  // namespace qora
