#include "games/WordBuildingSolverDialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <chrono>

#include "engine/Listings.h"
#include "games/WordBuildingControls.h"
#include "games/WordBuildingWindow.h"
#include "games/rules/WordBuildingGameTexts.h"
#include "platform/Scaling.h"
#include "platform/qt/Screen.h"
#include "platform/qt/Text.h"

namespace qora {

namespace {

constexpr int ProgressSteps = 10;  // the words whose start moves the progress bar
constexpr int LevelWidth = 26;     // one level's share of the track bar

constexpr const char* LevelsText =
    "The solving level trades time for score: QORA keeps more partial games at the higher levels. "
    "The low levels take seconds; the highest may take over an hour or two. Solutions tend to have "
    "about ten words. Stop Solving keeps the best solution found so far.";

// "7 seconds", "1 minute 5 seconds".
std::string SpanText(long long seconds) {
    if (seconds < 60) return FormatText("%lld second%s", seconds, PluralSuffix(seconds));
    const long long minutes = seconds / 60;
    seconds %= 60;
    return FormatText("%lld minute%s %lld second%s", minutes, PluralSuffix(minutes), seconds, PluralSuffix(seconds));
}

}  // namespace

TWordsmithSolveDlg::TWordsmithSolveDlg(TWordsmithDlg& game)
    : QoraDialog("Word-Building Game - Get QORA to Find a High-Scoring Solution", 640, 392, &game), game_(game) {
    Grid = MakeTextBox(this, Designed(12, 12, 300, 222));

    MakeLabel(this, "Solving level:", Designed(324, 12, 304, 20));
    SolvingLevel = new QSlider(Qt::Horizontal, this);
    SolvingLevel->setRange(0, SolvingLevels - 1);
    SolvingLevel->setValue(DefaultSolvingLevel - 1);
    SolvingLevel->setTickPosition(QSlider::TicksBelow);
    SolvingLevel->setTickInterval(1);
    SolvingLevel->setPageStep(1);
    SolvingLevel->setGeometry(Designed(324, 34, LevelWidth * SolvingLevels, 26));
    for (int level = 1; level <= SolvingLevels; ++level) {
        QLabel* number = MakeLabel(this, std::to_string(level).c_str(),
                                   Designed(324 + LevelWidth * (level - 1), 60, LevelWidth, 18));
        number->setAlignment(Qt::AlignCenter);
    }
    LevelsInfo = MakeLabel(this, LevelsText, Designed(324, 84, 304, 104));
    LevelsInfo->setWordWrap(true);
    LevelsInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    StartSolving = MakeButton(this, "Start Solving", Designed(324, 200, 148, 28));
    StopSolving = MakeButton(this, "Stop Solving", Designed(480, 200, 148, 28));

    Progress = new QProgressBar(this);
    Progress->setRange(0, ProgressSteps);
    Progress->setTextVisible(false);
    Progress->setGeometry(Designed(12, 246, 616, 18));
    WorkingOn = MakeLabel(this, "", Designed(12, 270, 616, 20));
    HighestScore = MakeLabel(this, "", Designed(12, 294, 616, 20));
    Duration = MakeLabel(this, "", Designed(12, 318, 616, 20));

    ShowSolution = MakeButton(this, "Show Solution", Designed(12, 352, 148, 28));
    Cancel = MakeButton(this, "Cancel", Designed(446, 352, 86, 28));
    Help = MakeButton(this, "Help", Designed(542, 352, 86, 28));
    connect(StartSolving, &QPushButton::clicked, this, &TWordsmithSolveDlg::StartSolvingClick);
    connect(StopSolving, &QPushButton::clicked, this, &TWordsmithSolveDlg::StopSolvingClick);
    connect(ShowSolution, &QPushButton::clicked, this, &TWordsmithSolveDlg::ShowSolutionClick);
    connect(Cancel, &QPushButton::clicked, this, &TWordsmithSolveDlg::reject);
    connect(Help, &QPushButton::clicked, this, [this] {
        if (ShowHelp) ShowHelp();
    });
    connect(this, &TWordsmithSolveDlg::ReportPosted, this, &TWordsmithSolveDlg::ShowReport, Qt::QueuedConnection);
    connect(this, &TWordsmithSolveDlg::SearchEnded, this, &TWordsmithSolveDlg::Finished, Qt::QueuedConnection);
}

TWordsmithSolveDlg::~TWordsmithSolveDlg() { EndSearch(); }

void TWordsmithSolveDlg::FormActivate() {
    SetCaption("Word-Building Game - Get QORA to Find a High-Scoring Solution");
    const WordBuildingGridEntry* entry = WordBuildingGrids.Current();
    letters_ = entry != nullptr ? entry->letters : std::string();
    created_ = entry != nullptr ? entry->created : 0;
    Grid->setPlainText(FromCodePage(entry != nullptr ? JoinedLines(RenderGridText(letters_, created_)) : ""));
    for (QWidget* control : std::initializer_list<QWidget*>{Progress, WorkingOn, HighestScore, Duration, ShowSolution})
        control->hide();
    StartSolving->setEnabled(entry != nullptr);
    SolvingLevel->setEnabled(true);
    StopSolving->setEnabled(false);
    StartSolving->setFocus();
}

void TWordsmithSolveDlg::StartSolvingClick() {
    if (Solving() || letters_.empty()) return;
    gameStart_ = WordBuildingClock();
    WordBuildingGameState = WordBuildingState::Solved;
    SetCaption("Word-Building Game - Seeking a High-Scoring Solution");
    Progress->setValue(0);
    WorkingOn->setText(QStringLiteral("Working on word 1"));
    HighestScore->setText(QStringLiteral("Highest score so far:    0 points with 0 words"));
    Duration->setText(QStringLiteral("QORA is seeking a high-scoring solution"));
    for (QWidget* control : std::initializer_list<QWidget*>{Progress, WorkingOn, HighestScore, Duration})
        control->show();
    ShowSolution->hide();
    StartSolving->setEnabled(false);
    SolvingLevel->setEnabled(false);
    StopSolving->setEnabled(true);
    StopSolving->setFocus();

    {
        const std::lock_guard lock(reportLock_);
        report_ = {};
    }
    stop_ = false;
    const int run = ++run_;
    const SolverBeam beam = SolverBeamOfLevel(SolvingLevel->value() + 1);
    worker_ = std::thread([this, run, beam, input = SolverInputOfPrimaryLexicon(letters_)] {
        const auto start = std::chrono::steady_clock::now();
        Report report;
        WordBuildingSolverObserver observer;
        observer.stop = &stop_;
        observer.WorkingOn = [&](int word) {
            report.word = word;
            Post(report);
        };
        observer.NewBest = [&](std::int32_t score, int words) {
            report.score = score;
            report.words = words;
            report.seconds =
                std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count();
            Post(report);
        };
        WordBuildingSolution solution = SolveWholeGame(input, beam, observer);
        {
            const std::lock_guard lock(reportLock_);
            finishedRun_ = run;
            finished_ = std::move(solution);
        }
        emit SearchEnded();
    });
}

// On the search's thread: keeps the report and asks the main thread to show
// it, once until it has.
void TWordsmithSolveDlg::Post(const Report& report) {
    {
        const std::lock_guard lock(reportLock_);
        report_ = report;
    }
    if (!reportPosted_.exchange(true)) emit ReportPosted();
}

void TWordsmithSolveDlg::ShowReport() {
    reportPosted_ = false;
    Report report;
    {
        const std::lock_guard lock(reportLock_);
        report = report_;
    }
    if (!Solving()) return;
    WorkingOn->setText(FromCodePage(FormatText("Working on word %d", report.word)));
    Progress->setValue(std::min(report.word - 1, ProgressSteps));
    if (report.score == 0) return;
    HighestScore->setText(FromCodePage(FormatText("Highest score so far: %4d with %d word%s", report.score,
                                                  report.words, PluralSuffix(report.words))));
    Duration->setText(FromCodePage("Finding this took: " + SpanText(report.seconds)));
}

// Shows the solution of the awaited search once it has ended; the signal of
// a search that EndSearch ended, or of one already shown, finds nothing to do.
void TWordsmithSolveDlg::Finished() {
    {
        const std::lock_guard lock(reportLock_);
        if (finishedRun_ != run_ || !Solving()) return;
        solution_ = std::move(finished_);
    }
    worker_.join();
    gameEnd_ = WordBuildingClock();
    StopSolving->setEnabled(false);
    StartSolving->setEnabled(true);
    SolvingLevel->setEnabled(true);
    SetCaption(FormatText("Word-Building Game - Found a High-Scoring %d-Point Solution", solution_.score));
    Progress->hide();
    WorkingOn->hide();
    HighestScore->setText(FromCodePage(FormatText("QORA found a %-d point solution!", solution_.score)));
    Duration->setText(FromCodePage("QORA took " + SpanText(std::max<long long>(0, gameEnd_ - gameStart_)) +
                                   " to find the solution."));
    ShowSolution->setEnabled(static_cast<bool>(game_.OpenHistoryDialog));
    ShowSolution->show();
    if (ShowSolution->isEnabled()) ShowSolution->setFocus();
}

void TWordsmithSolveDlg::StopSolvingClick() { stop_ = true; }

void TWordsmithSolveDlg::EndSearch() {
    if (!Solving()) return;
    stop_ = true;
    worker_.join();
    ++run_;  // its result, if already posted, is not awaited
}

void TWordsmithSolveDlg::ShowSolutionClick() {
    if (Solving() || !game_.OpenHistoryDialog) return;
    WordBuildingFinishedGame game;
    game.letters = letters_;
    game.created = created_;
    game.moves = SolutionMoves(solution_);
    game.totalScore = solution_.score;
    game.wordCount = solution_.wordCount;
    game.gameStart = gameStart_;
    game.gameEnd = gameEnd_;
    game.spanish = WordBuildingPlay.gridIsSpanish;  // the grid's tiles, whatever the lexicon is now
    CloseWithResult(mrOk);
    game_.OpenHistoryDialog(game);
}

void TWordsmithSolveDlg::reject() {
    EndSearch();
    if (WordBuildingGameState == WordBuildingState::Solved) WordBuildingGameState = WordBuildingState::GridFormed;
    QoraDialog::reject();
}

void PlugInWordBuildingSolver(TWordsmithDlg& game, std::function<void()> showHelp) {
    auto* dialog = new TWordsmithSolveDlg(game);
    dialog->ShowHelp = std::move(showHelp);
    game.OpenSolver = [&game, dialog] {
        PlaceWindow(*dialog, game.mapToGlobal(QPoint(Scaled(60), Scaled(40))));
        dialog->ShowModal();
    };
    game.FindHighestWord = FindHighestWordInPlay;
}

}  // namespace qora
