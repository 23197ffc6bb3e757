#include "games/WordBuildingHistoryDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "engine/Listings.h"
#include "games/WordBuildingControls.h"
#include "games/WordBuildingWindow.h"
#include "games/rules/WordBuildingGameTexts.h"
#include "games/rules/WordBuildingGridFiles.h"
#include "platform/Files.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/Text.h"
#include "processor/CommandFiles.h"
#include "processor/Console.h"
#include "processor/Threads.h"

namespace qora {

namespace {

constexpr GameFileKind GameFile = {
    DefaultGameFileName, "W-B Game History files  (*.WBH)|*.WBH|Text files  (*.txt)|*.TXT|Any files  (*.*)|*.*", "WBH"};

std::string PlayersText(const QComboBox& players) { return ToCodePage(players.currentText()); }

}  // namespace

TWordsmithHistoryDlg::TWordsmithHistoryDlg(TWordsmithDlg& game)
    : QoraDialog("Word-Building Game - Remember this Game in the Noted Games History or Export it to a File", 940, 626,
                 &game),
      window_(game) {
    setModal(false);
    SolutionBox = new QGroupBox(this);
    SolutionBox->setGeometry(Designed(12, 8, 340, 340));
    Solution = MakeTextBox(SolutionBox, Designed(8, 22, 324, 310));
    GridBox = new QGroupBox(this);
    GridBox->setGeometry(Designed(12, 356, 340, 258));
    Grid = MakeTextBox(GridBox, Designed(8, 22, 324, 228));

    CommentBox = new QGroupBox(this);
    CommentBox->setGeometry(Designed(364, 8, 564, 56));
    Comment = new QLineEdit(CommentBox);
    Comment->setMaxLength(MaxCommentLength);
    Comment->setGeometry(Designed(8, 22, 300, 24));
    PlayersLabel = MakeLabel(this, "Select a known name or provide a new one:", Designed(364, 74, 300, 20));
    Players = new QComboBox(this);
    Players->setEditable(true);
    Players->setInsertPolicy(QComboBox::NoInsert);
    Players->lineEdit()->setMaxLength(MaxPlayerNameLength);
    Players->setGeometry(Designed(364, 96, 300, 26));
    Players->lineEdit()->installEventFilter(this);
    Players->installEventFilter(this);

    ShowSolutions = new RadioGroup("Show Noted Games from History",
                                   {"None", "Non-QORA games in score order", "Your games in score order",
                                    "Non-QORA games in date/time order", "Your games in date/time order"},
                                   this);
    ShowSolutions->setGeometry(Designed(364, 130, 564, 180));
    ShowSolutions->SetItemIndex(static_cast<int>(NotedGamesChoice::None));

    NotedGamesBox = new QGroupBox(QStringLiteral("Noted Games from History"), this);
    NotedGamesBox->setGeometry(Designed(364, 318, 564, 192));
    NotedGamesHeader = MakeLabel(NotedGamesBox, "Score Date/Time Solved  Player", Designed(8, 20, 548, 20));
    NotedGamesHeader->setFont(FixedPitchFont());
    NotedGames = new QListWidget(NotedGamesBox);
    NotedGames->setFont(FixedPitchFont());
    NotedGames->setGeometry(Designed(8, 42, 548, 142));

    OK = MakeButton(this, "OK - Note this Game in Games History", Designed(364, 518, 278, 28));
    OutputToWorkspace = MakeButton(this, "Output this Game to the Workspace", Designed(650, 518, 278, 28));
    ExportCreateGame = MakeButton(this, "Export/Create this Game to a File", Designed(364, 552, 278, 28));
    ExportAppendGame = MakeButton(this, "Export/Append this Game to a File", Designed(650, 552, 278, 28));
    Cancel = MakeButton(this, "Cancel", Designed(746, 588, 86, 28));
    Help = MakeButton(this, "Help", Designed(842, 588, 86, 28));
    OK->setDefault(true);

    connect(OK, &QPushButton::clicked, this, &TWordsmithHistoryDlg::OKClick);
    connect(ExportCreateGame, &QPushButton::clicked, this, [this] { ExportGameDialog(false); });
    connect(ExportAppendGame, &QPushButton::clicked, this, [this] { ExportGameDialog(true); });
    connect(OutputToWorkspace, &QPushButton::clicked, this, &TWordsmithHistoryDlg::OutputToWorkspaceClick);
    connect(Cancel, &QPushButton::clicked, this, &TWordsmithHistoryDlg::reject);
    connect(Help, &QPushButton::clicked, this, [this] {
        if (ShowHelp) ShowHelp();
    });
    connect(ShowSolutions, &RadioGroup::clicked, this, [this] { ListNotedGames(); });
    connect(Players, &QComboBox::editTextChanged, this, [this] { ListNotedGames(); });
}

void TWordsmithHistoryDlg::OpenFor(const WordBuildingFinishedGame& game) {
    game_ = game;
    played_ = WordBuildingGameState == WordBuildingState::EndedToBeNoted;
    Comment->clear();
    // The game window waits meanwhile: a game started there now would be
    // thrown away when this dialog closes. (This dialog, its child window,
    // stays enabled.)
    window_.setEnabled(false);
    setEnabled(true);
    ShowBesideGameWindow(*this, window_);
}

void TWordsmithHistoryDlg::FormActivate() {
    SolutionBox->setTitle(QString::fromLatin1(Played() ? "Your Game's Solution" : "A QORA-Solved Solution"));
    GridBox->setTitle(QString::fromLatin1(Played() ? "Your Game's Grid" : "This Game's Grid"));
    CommentBox->setTitle(
        QString::fromLatin1(Played() ? "Provide a Comment for Your Game" : "Provide a Comment for This Game"));
    solutionLines_ = SolutionLines();
    gridLines_ = RenderGridText(game_.letters, game_.created);
    Solution->setPlainText(FromCodePage(JoinedLines(solutionLines_)));
    Grid->setPlainText(FromCodePage(JoinedLines(gridLines_)));
    ReadHistory();
    ListNotedGames();
    if (Players->currentText().isEmpty())
        Players->setFocus();
    else
        Comment->setFocus();
}

std::vector<std::string> TWordsmithHistoryDlg::SolutionLines() const {
    return RenderSolutionText(game_.letters, game_.moves, game_.totalScore, game_.wordCount,
                              Played() ? &game_.answers : nullptr);
}

// The history file afresh; for a game played, its players in the player
// box (the name chosen before stays when it is still there); for the
// solver's game the box says "QORA".
void TWordsmithHistoryDlg::ReadHistory() {
    history_ = ReadGameHistory(HistoryFilePath());
    if (!history_.errors.empty()) ShowWarning(GameHistoryWarning(history_));
    const QSignalBlocker quiet(Players);
    if (!Played()) {
        Players->setEditText(QString::fromLatin1(ProgramPlayerName));
        return;
    }
    const QString remembered = Players->currentText();
    Players->clear();
    Players->addItem(QString());
    for (const std::string& name : history_.players) Players->addItem(FromCodePage(name));
    const int again = Players->findText(remembered, Qt::MatchExactly | Qt::MatchCaseSensitive);
    Players->setCurrentIndex(again > 0 ? again : 0);
}

void TWordsmithHistoryDlg::ListNotedGames() {
    const auto choice = static_cast<NotedGamesChoice>(std::max(ShowSolutions->ItemIndex(), 0));
    const std::string player = PlayersText(*Players);
    const bool yours = choice == NotedGamesChoice::YoursByScore || choice == NotedGamesChoice::YoursByStart;
    const HistoryOrder order = choice == NotedGamesChoice::OthersByStart || choice == NotedGamesChoice::YoursByStart
                                   ? HistoryOrder::ByStartTime
                                   : HistoryOrder::ByScore;
    std::vector<const GameHistoryRecord*> games;
    if (choice != NotedGamesChoice::None && !(yours && player.empty()))
        games = SelectHistoryGames(history_.games, yours ? &player : nullptr, order,
                                   !yours && !SamePlayerName(player, ProgramPlayerName));
    NotedGames->clear();
    for (const GameHistoryRecord* game : games) NotedGames->addItem(FromCodePage(HistoryListLine(*game)));
    NotedGamesBox->setVisible(!games.empty());
}

// Space in the player box moves to the next known name, round to the first,
// while the player is choosing one (the box empty or its name wholly
// selected, as after a step); within a name being typed it is a blank, so
// "Ann Lee" can be typed and a name typed is never swapped for another.
bool TWordsmithHistoryDlg::eventFilter(QObject* watched, QEvent* event) {
    QLineEdit& name = *Players->lineEdit();
    const bool choosing = name.text().isEmpty() || name.selectedText() == name.text();
    if ((watched == Players || watched == &name) && choosing && StepListOnSpace(*Players, *event)) {
        name.selectAll();
        return true;
    }
    return QoraDialog::eventFilter(watched, event);
}

void TWordsmithHistoryDlg::OKClick() {
    const std::string player = PlayersText(*Players);
    if (player.empty()) {
        ShowError("Please identify yourself - specify a player name");
        return;
    }
    const std::string record = GameRecordText(game_, ToCodePage(Comment->text()), player);
    if (!AppendToFile(HistoryFilePath(), record, AppendStart::AfterEmptyLine).empty()) {
        // The game stays here, to be exported instead.
        ShowWarning(FormatText("Cannot open %s, a Word-Building Game history file", WordBuildingHistoryFileName));
        return;
    }
    ReportExportDone(HistoryFilePath(), true, "solution");
    close();
}

void TWordsmithHistoryDlg::ExportGameDialog(bool append) {
    ExportGameFile(this,
                   {GameFile, "Export (%s) Word-Building Game Solution", "solution",
                    "Cannot open %s to record a Word-Building Game solution"},
                   append, GameRecordText(game_, ToCodePage(Comment->text()), PlayersText(*Players)));
}

void TWordsmithHistoryDlg::OutputToWorkspaceClick() {
    if (!WriteGameToWorkspace(Played(), game_.gameStart, gridLines_, solutionLines_)) return;
    close();
    window_.close();
}

void TWordsmithHistoryDlg::done(int result) {
    QoraDialog::done(result);
    WordBuildingGameState = WordBuildingState::EndedNotNoted;
    window_.setEnabled(true);
    window_.ShowAfresh();
}

bool WorkspaceBusy() {
    return SearchRunning || PresentationRunning || QueryThread().Busy() || CommandFileThread().Busy() ||
           CommandFileRunning();
}

bool WriteGameToWorkspace(bool played, std::time_t gameStart, const std::vector<std::string>& gridLines,
                          const std::vector<std::string>& solutionLines) {
    if (WorkspaceBusy()) {
        ShowWarning("A game cannot be written into the workspace while a query or a command file runs.");
        return false;
    }
    WriteOutputLine("");
    WriteOutputLine(
        FormatText("Word-Building Game %s %s", played ? "Played" : "Solved", FormatGameTime(gameStart).c_str()));
    WriteOutputLine("");
    for (const std::string& line : gridLines) WriteOutputLine(line);
    WriteOutputLine("");
    for (const std::string& line : solutionLines) WriteOutputLine(line);
    WriteOutputLine("");
    WritePromptLine();
    return true;
}

void PlugInWordBuildingHistory(TWordsmithDlg& game, std::function<void()> showHelp) {
    FixWordBuildingHistoryPath();
    auto* dialog = new TWordsmithHistoryDlg(game);
    dialog->ShowHelp = std::move(showHelp);
    game.OpenHistoryDialog = [dialog](const WordBuildingFinishedGame& finished) { dialog->OpenFor(finished); };
}

}  // namespace qora
