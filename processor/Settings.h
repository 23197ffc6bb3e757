// The settings records in force between commands and on the main window's
// controls, the board size and letter mapping that performed commands set,
// and the conversions the dialogs use to show settings.
//
// Every parse of a command line starts from a copy of `StandingSettings`;
// when a command completes, its `PendingSettings` become the new
// `StandingSettings` (AdoptPendingSettings). `DisplayedSettings` follows the
// settings implied by the command line as last checked without error.
#pragma once

#include <cstdint>
#include <string>

#include "engine/QueryRecords.h"

namespace qora {

extern Settings StandingSettings;
extern Settings DisplayedSettings;
extern std::int32_t CurrentBoardSize;  // 15 or 21
// Entry i is the tile that tile i + 1 maps to ('@' + tile number), 26 or 28.
extern std::string LetterMapping;

// Loads the built-in defaults into StandingSettings and DisplayedSettings and
// resets the board size and the letter mapping (start-up, restoring the
// initial settings, tests).
void LoadBuiltInSettings();

// The settings that belong to a language, the orderings (in StandingSettings
// and DisplayedSettings), the bag of set (B) that probabilities count and the
// letter mapping, become the active language's built-in ones. Called when the
// primary lexicon's language changes (at start-up too): an ordering or a
// mapping of one alphabet means nothing in another.
void LoadLanguageDefaults();

// The letters of the set filters (blanks, front and back hooks) of
// StandingSettings and DisplayedSettings, kept by the tiles of `previous`,
// carried over to the tiles of the active language (RetileLetterCounts), so
// that a lasting hook filter on S stays on S.
void RetileSetFilters(Language previous);

// The mapping of every tile of the active language to the next one, the last
// to the first: "BCD...ZA".
std::string RotationLetterMapping();

// A completed command's PendingSettings become the StandingSettings.
void AdoptPendingSettings(const ParsedCommand& command);

// The item of the eight-item relation lists (x - y, x < y, <, <=, !=, =, >=,
// >) for a FilterRelation code; any other code gives item 6 (">="). The
// six-item set-relation lists use the result less 2.
int RelationCodeToItemIndex(std::int32_t code);

// n followed by "th" for 10 to 20, else "st", "nd", "rd" or "th" by its last
// digit: "1st", "12th", "22nd".
std::string FormatOrdinal(std::int32_t n);

}  // namespace qora
