// The controls of the main window's two page controls: on the left the
// query, filter, wordlist and presentation pages, on the right (after the
// main window's Timer tab, mainwindow/TimerPage.h) the random-rack,
// output-order and board pages. They show the settings that the
// command line implies (DisplayedSettings) and type the sub-commands the user
// chooses onto the command line; their buttons and value boxes open the
// command-building dialogs through the main window (ControlsHost).
#pragma once

#include <array>

#include "engine/LetterCounts.h"
#include "engine/QueryRecords.h"
#include "mainwindow/ControlSupport.h"

class QTabWidget;
class QWidget;

namespace qora {

// The tile scores that the line as last checked implies: its own set ($),
// else those in force.
LetterCounts LineTileScores();

class BoardPage;
class CanonicalOutputPage;
class FilterPage;
class PresentationPage;
class QueryPage;
class RandomRacksPage;
class WordlistsPage;

class MainControls {
public:
    // Adds the pages to the two page controls, after the pages they hold.
    MainControls(ControlsHost& host, QTabWidget& queryOrPresentation, QTabWidget& options);

    // Every control shows DisplayedSettings (and the set ($) of the line as
    // last checked); nothing is typed. After every check without error.
    void ShowSettings();
    // The same for settings and tile scores taken when a line was checked
    // on another thread.
    void ShowSettings(const Settings& settings, const LetterCounts& tileScores);
    // What commands change is shown anew: the lists of wordlists, word
    // sources and user-defined sets, the words shown, and the coordinate
    // help of the board set up. After every command, while no query runs.
    void RefreshAfterCommand();
    // The ordering lists are filled for the primary lexicon's language.
    void ApplyLexiconLanguage();
    // Enables or disables the buttons that open a dialog.
    void SetDialogAvailable(ControlDialog dialog, bool available);

    QueryPage* QueryTab;
    FilterPage* FiltersTab;
    WordlistsPage* WordlistsTab;
    PresentationPage* PresentationTab;
    RandomRacksPage* RandomRacksTab;
    CanonicalOutputPage* CanonicalOutputTab;
    BoardPage* BoardTab;

private:
    std::array<QWidget*, 7> Pages() const;
};

}  // namespace qora
