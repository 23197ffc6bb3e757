#include "games/WordBuildingHistoryBrowser.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "engine/Listings.h"
#include "games/WordBuildingControls.h"
#include "games/WordBuildingHistoryDialog.h"
#include "games/WordBuildingWindow.h"
#include "games/rules/WordBuildingGameTexts.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/Text.h"

namespace qora {

namespace {

constexpr int ShortList = 20;     // games in the highest and latest lists
constexpr int LongListRows = 27;  // rows of the drop-down for all games
constexpr const char* AllPlayers = "(all players)";

bool Seeking() {
    return WordBuildingGameState == WordBuildingState::SeekingWithoutGrid ||
           WordBuildingGameState == WordBuildingState::SeekingFromGrid;
}

}  // namespace

TWordsmithSeekDlg::TWordsmithSeekDlg(TWordsmithDlg& game)
    : QoraDialog("Word-Building Game - Showing Noted Games from History", 900, 600, &game), window_(game) {
    setModal(false);
    ShowSolutions = new RadioGroup("Show Noted Games from History",
                                   {"Highest-scoring 20 non-QORA games", "All noted games in score order",
                                    "Most-recent 20 non-QORA games", "All noted games in date/time order"},
                                   this);
    ShowSolutions->setGeometry(Designed(12, 8, 420, 150));
    ShowSolutions->SetItemIndex(static_cast<int>(BrowserChoice::HighestTwenty));

    PlayersBox = new QGroupBox(QStringLiteral("Choose a Player Whose Games are Shown"), this);
    PlayersBox->setGeometry(Designed(12, 166, 420, 62));
    Players = new QComboBox(PlayersBox);
    Players->setGeometry(Designed(8, 24, 300, 26));

    SolutionsBox = new QGroupBox(QStringLiteral("Select a Noted Game from History"), this);
    SolutionsBox->setGeometry(Designed(12, 236, 420, 84));
    SolutionsHeader = MakeLabel(SolutionsBox, "Score Date/Time Solved  Player", Designed(8, 22, 404, 20));
    SolutionsHeader->setFont(FixedPitchFont());
    Solutions = new QComboBox(SolutionsBox);
    Solutions->setFont(FixedPitchFont());
    Solutions->setGeometry(Designed(8, 46, 404, 28));
    // Long lines are shown whole in the drop-down, not by widening the box.
    for (QComboBox* list : {Players, Solutions}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(20);
    }

    CommentBox = new QGroupBox(QStringLiteral("Selected Game's Noted Comment"), this);
    CommentBox->setGeometry(Designed(12, 328, 420, 62));
    Comment = new QLineEdit(CommentBox);
    Comment->setReadOnly(true);
    Comment->setGeometry(Designed(8, 24, 300, 26));

    SolutionBox = new QGroupBox(QStringLiteral("Selected Game's Solution"), this);
    SolutionBox->setGeometry(Designed(444, 8, 444, 300));
    Solution = MakeTextBox(SolutionBox, Designed(8, 22, 428, 270));
    GridBox = new QGroupBox(QStringLiteral("Selected Game's Grid"), this);
    GridBox->setGeometry(Designed(444, 316, 444, 238));
    Grid = MakeTextBox(GridBox, Designed(8, 22, 428, 208));

    OK = MakeButton(this, "Use the Grid From This Game", Designed(12, 400, 420, 28));
    OutputToWorkspace = MakeButton(this, "Output this Game to the Workspace", Designed(12, 436, 420, 28));
    Cancel = MakeButton(this, "Cancel", Designed(706, 562, 86, 28));
    Help = MakeButton(this, "Help", Designed(802, 562, 86, 28));

    connect(OK, &QPushButton::clicked, this, &TWordsmithSeekDlg::OKClick);
    connect(OutputToWorkspace, &QPushButton::clicked, this, &TWordsmithSeekDlg::OutputToWorkspaceClick);
    connect(Cancel, &QPushButton::clicked, this, &TWordsmithSeekDlg::reject);
    connect(Help, &QPushButton::clicked, this, [this] {
        if (ShowHelp) ShowHelp();
    });
    connect(ShowSolutions, &RadioGroup::clicked, this, &TWordsmithSeekDlg::ShowSolutionsClick);
    connect(Players, &QComboBox::currentIndexChanged, this, &TWordsmithSeekDlg::PlayersChange);
    connect(Solutions, &QComboBox::currentIndexChanged, this, &TWordsmithSeekDlg::SolutionsChange);
    for (QComboBox* list : {Players, Solutions}) list->installEventFilter(this);
}

void TWordsmithSeekDlg::Open() { ShowBesideGameWindow(*this, window_); }

void TWordsmithSeekDlg::FormActivate() {
    SetCaption(WordBuildingGameState == WordBuildingState::SeekingFromGrid
                   ? "Word-Building Game - Seeking a Grid from History"
                   : "Word-Building Game - Showing Noted Games from History");
    OK->setVisible(Seeking());
    OK->setEnabled(false);
    OutputToWorkspace->hide();
    SolutionBox->hide();
    historySpanish_ = SpanishLexiconActive != 0;
    history_ = ReadGameHistory(HistoryFilePath());
    if (!history_.errors.empty()) ShowWarning(GameHistoryWarning(history_));
    {
        // The players afresh, the one chosen before again when still there.
        const QSignalBlocker quiet(Players);
        const QString remembered = Players->currentText();
        Players->clear();
        Players->addItem(QString::fromLatin1(AllPlayers));
        for (const std::string& name : history_.players) Players->addItem(FromCodePage(name));
        const int again = Players->findText(remembered, Qt::MatchExactly | Qt::MatchCaseSensitive);
        Players->setCurrentIndex(std::max(again, 0));
    }
    RefreshPlayers(false);
    gridChosen_ = false;
}

// The games read are of one language: after a change of lexicon to or from
// Spanish while the browser is open, their grids would be read as tiles of the
// other language, so the browser reads the games of the new language afresh.
bool TWordsmithSeekDlg::ReadAgainForNewLanguage() {
    if ((SpanishLexiconActive != 0) == historySpanish_) return false;
    FormActivate();
    return true;
}

void TWordsmithSeekDlg::changeEvent(QEvent* event) {
    QoraDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) ReadAgainForNewLanguage();
}

void TWordsmithSeekDlg::PlayersChange() { RefreshPlayers(true); }

// No game chosen; the choices named for the player; the list afresh.
void TWordsmithSeekDlg::RefreshPlayers(bool dropDown) {
    const bool program = SamePlayerName(ToCodePage(Players->currentText()), ProgramPlayerName);
    ShowSolutions->Item(static_cast<int>(BrowserChoice::HighestTwenty))
        ->setText(QString::fromLatin1(program ? "Highest-scoring 20 games" : "Highest-scoring 20 non-QORA games"));
    ShowSolutions->Item(static_cast<int>(BrowserChoice::LatestTwenty))
        ->setText(QString::fromLatin1(program ? "Most-recent 20 games" : "Most-recent 20 non-QORA games"));
    RefreshList(dropDown);
}

void TWordsmithSeekDlg::ShowSolutionsClick() { RefreshList(true); }

void TWordsmithSeekDlg::RefreshList(bool dropDown) {
    const auto choice = static_cast<BrowserChoice>(std::max(ShowSolutions->ItemIndex(), 0));
    const bool twenty = choice == BrowserChoice::HighestTwenty || choice == BrowserChoice::LatestTwenty;
    const HistoryOrder order = choice == BrowserChoice::HighestTwenty || choice == BrowserChoice::AllByScore
                                   ? HistoryOrder::ByScore
                                   : HistoryOrder::ByStartTime;
    const std::string player = ToCodePage(Players->currentText());
    const bool onePlayer = Players->currentIndex() > 0;
    listed_ = SelectHistoryGames(history_.games, onePlayer ? &player : nullptr, order,
                                 twenty && !SamePlayerName(player, ProgramPlayerName));
    if (twenty && listed_.size() > static_cast<std::size_t>(ShortList)) listed_.resize(ShortList);
    {
        const QSignalBlocker quiet(Solutions);
        Solutions->clear();
        Solutions->addItem(QString::fromLatin1(history_.games.empty() ? "(no history yet)" : "(choose a noted game)"));
        for (const GameHistoryRecord* game : listed_) Solutions->addItem(FromCodePage(HistoryListLine(*game)));
        Solutions->setMaxVisibleItems(twenty ? ShortList : LongListRows);
        Solutions->setCurrentIndex(0);
        Solutions->view()->setMinimumWidth(Solutions->view()->sizeHintForColumn(0));
    }
    ShowChosenGame();
    if (dropDown && isVisible()) Solutions->showPopup();
}

void TWordsmithSeekDlg::SolutionsChange() { ShowChosenGame(); }

const GameHistoryRecord* TWordsmithSeekDlg::ChosenGame() const {
    const int index = Solutions->currentIndex();
    return index >= 1 && static_cast<std::size_t>(index) <= listed_.size()
               ? listed_[static_cast<std::size_t>(index - 1)]
               : nullptr;
}

void TWordsmithSeekDlg::ShowChosenGame() {
    if (ReadAgainForNewLanguage()) return;
    const GameHistoryRecord* game = ChosenGame();
    OK->setEnabled(game != nullptr);
    OutputToWorkspace->setVisible(game != nullptr);
    SolutionBox->setVisible(game != nullptr);
    if (game == nullptr) {
        Grid->clear();
        Comment->clear();
        return;
    }
    Solution->setPlainText(
        FromCodePage(JoinedLines(RenderSolutionText(game->letters, game->moves, game->score, game->wordCount))));
    Grid->setPlainText(FromCodePage(JoinedLines(RenderGridText(game->letters, game->gridCreated))));
    Comment->setText(FromCodePage(game->comment));
}

// The chosen game's grid is formed in the game window, while it seeks one
// (a game started there meanwhile keeps its grid).
void TWordsmithSeekDlg::OKClick() {
    if (ReadAgainForNewLanguage()) return;
    const GameHistoryRecord* game = ChosenGame();
    if (game == nullptr) return;
    if (!Seeking()) {
        ShowWarning("The game window no longer seeks a grid: its grid stays as it is.");
        return;
    }
    if (!FormWordBuildingGrid(game->letters, game->gridCreated)) return;
    window_.ShowFormedGrid();
    WordBuildingGameState = WordBuildingState::SeekingFromGrid;  // another game's grid may still be taken
    gridChosen_ = true;
    activateWindow();
}

void TWordsmithSeekDlg::OutputToWorkspaceClick() {
    if (ReadAgainForNewLanguage()) return;
    const GameHistoryRecord* game = ChosenGame();
    if (game == nullptr ||
        !WriteGameToWorkspace(!SamePlayerName(game->player, ProgramPlayerName), game->gameStart,
                              RenderGridText(game->letters, game->gridCreated),
                              RenderSolutionText(game->letters, game->moves, game->score, game->wordCount)))
        return;
    close();
    window_.close();
}

bool TWordsmithSeekDlg::eventFilter(QObject* watched, QEvent* event) {
    for (QComboBox* list : {Players, Solutions})
        if (watched == list && StepListOnSpace(*list, *event)) return true;
    return QoraDialog::eventFilter(watched, event);
}

void TWordsmithSeekDlg::done(int result) {
    QoraDialog::done(result);
    if (Seeking())
        WordBuildingGameState = gridChosen_ || WordBuildingGameState == WordBuildingState::SeekingFromGrid
                                    ? WordBuildingState::GridFormed
                                    : WordBuildingState::SeekingWithoutGrid;
    window_.Seek->setEnabled(true);
    window_.History->setEnabled(true);
    window_.ShowAfresh();
}

void PlugInWordBuildingHistoryBrowser(TWordsmithDlg& game, std::function<void()> showHelp) {
    auto* browser = new TWordsmithSeekDlg(game);
    browser->ShowHelp = std::move(showHelp);
    game.OpenHistoryBrowser = [browser] { browser->Open(); };
}

}  // namespace qora
