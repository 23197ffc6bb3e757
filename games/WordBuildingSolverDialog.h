// The Word-Building Game's solver dialog, TWordsmithSolveDlg: the grid formed,
// a solving level, and a whole-game search that runs on a thread of its own
// while the dialog stays modal and the program's timers go on. Stop Solving
// ends the search with the best solution found so far; Show Solution hands the
// solution to the history dialog (through the game window's hook) as the game
// of "QORA".
#pragma once

#include <atomic>
#include <ctime>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "games/rules/WordBuildingSolver.h"
#include "platform/qt/Dialogs.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSlider;

namespace qora {

class TWordsmithDlg;

class TWordsmithSolveDlg : public QoraDialog {
    Q_OBJECT

public:
    explicit TWordsmithSolveDlg(TWordsmithDlg& game);
    ~TWordsmithSolveDlg() override;

    QPlainTextEdit* Grid;
    QSlider* SolvingLevel;  // positions 0..11 are the levels 1..12
    QLabel* LevelsInfo;
    QProgressBar* Progress;
    QLabel* WorkingOn;
    QLabel* HighestScore;
    QLabel* Duration;
    QPushButton* ShowSolution;
    QPushButton* StartSolving;
    QPushButton* StopSolving;
    QPushButton* Cancel;
    QPushButton* Help;
    std::function<void()> ShowHelp;

    void StartSolvingClick();
    void StopSolvingClick();
    void ShowSolutionClick();
    bool Solving() const { return worker_.joinable(); }
    const WordBuildingSolution& Solution() const { return solution_; }

    // Closing (Cancel, Esc, the caption) ends a search first and leaves the
    // grid formed, ready to play or to solve again.
    void reject() override;

signals:
    // Emitted on the search's thread, received on the main thread: the wake-up
    // for what the search left under reportLock_ (a queued signal carries no
    // data, so every hand-over is ordered by the lock).
    void ReportPosted();
    void SearchEnded();

protected:
    void FormActivate() override;

private:
    // What the search reports, kept for the main thread to show.
    struct Report {
        int word = 1;
        std::int32_t score = 0;
        int words = 0;
        long long seconds = 0;  // from the start of the search to the best found
    };
    void Post(const Report& report);
    void ShowReport();
    void Finished();
    void EndSearch();

    TWordsmithDlg& game_;
    std::thread worker_;
    std::atomic<bool> stop_ = false;
    int run_ = 0;  // the search whose results are awaited
    std::mutex reportLock_;
    Report report_;
    std::atomic<bool> reportPosted_ = false;
    int finishedRun_ = 0;  // the search that left finished_, under reportLock_
    WordBuildingSolution finished_;
    std::string letters_;
    std::time_t created_ = 0;
    std::time_t gameStart_ = 0;
    std::time_t gameEnd_ = 0;
    WordBuildingSolution solution_;
};

// Gives the game window its Solve and Highest Word: the solver dialog (whose
// Help shows `showHelp`) and the highest word of the game played.
void PlugInWordBuildingSolver(TWordsmithDlg& game, std::function<void()> showHelp);

}  // namespace qora
