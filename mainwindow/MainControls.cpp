#include "mainwindow/MainControls.h"

#include "engine/Board.h"
#include "engine/Tiles.h"
#include "mainwindow/FilterControls.h"
#include "mainwindow/OptionControls.h"
#include "mainwindow/PresentationControls.h"
#include "mainwindow/QueryControls.h"
#include "mainwindow/WordlistControls.h"
#include "platform/qt/Text.h"
#include "processor/CommandLine.h"
#include "processor/Settings.h"

#include <QLabel>
#include <QTabWidget>
#include <algorithm>

namespace qora {

LetterCounts LineTileScores() {
    if (CurrentCommand.SetDollarDefined) return CurrentCommand.SetDollar.Counts;
    LetterCounts scores{};
    std::copy_n(TileScores.begin(), scores.size(), scores.begin());
    return scores;
}

MainControls::MainControls(ControlsHost& host, QTabWidget& queryOrPresentation, QTabWidget& options)
    : QueryTab(new QueryPage(host)),
      FiltersTab(new FilterPage(host)),
      WordlistsTab(new WordlistsPage(host)),
      PresentationTab(new PresentationPage(host)),
      RandomRacksTab(new RandomRacksPage(host)),
      CanonicalOutputTab(new CanonicalOutputPage(host)),
      BoardTab(new BoardPage(host)) {
    queryOrPresentation.addTab(QueryTab, "&Query");
    queryOrPresentation.addTab(FiltersTab, "F&ilters");  // Alt+F is the File menu
    queryOrPresentation.addTab(WordlistsTab, "&Lists");
    queryOrPresentation.addTab(PresentationTab, "P&resentation");
    options.addTab(RandomRacksTab, "Racks");
    options.addTab(CanonicalOutputTab, "Output");
    options.addTab(BoardTab, "Board");
    RefreshAfterCommand();
}

std::array<QWidget*, 7> MainControls::Pages() const {
    return {QueryTab, FiltersTab, WordlistsTab, PresentationTab, RandomRacksTab, CanonicalOutputTab, BoardTab};
}

void MainControls::ShowSettings() { ShowSettings(DisplayedSettings, LineTileScores()); }

void MainControls::ShowSettings(const Settings& settings, const LetterCounts& tileScores) {
    QueryTab->ShowSettings(settings, tileScores);
    FiltersTab->ShowSettings(settings);
    PresentationTab->ShowSettings(settings);
    RandomRacksTab->ShowSettings(settings);
    CanonicalOutputTab->ShowSettings(settings);
    BoardTab->ShowSettings(settings);
}

void MainControls::RefreshAfterCommand() {
    QueryTab->RefreshLists();
    WordlistsTab->RefreshLists();
    BoardTab->BoardPositionLabel->setText(FromCodePage(BoardCoordinateHelp(BoardLayoutSize)));
}

void MainControls::ApplyLexiconLanguage() {
    RandomRacksTab->FillOrderings();
    CanonicalOutputTab->FillOrderings();
    ShowSettings();
}

void MainControls::SetDialogAvailable(ControlDialog dialog, bool available) {
    for (QWidget* page : Pages()) SetDialogButtonsEnabled(*page, dialog, available);
}

}  // namespace qora
