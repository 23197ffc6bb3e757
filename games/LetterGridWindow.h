// The 5 x 5 letter-grid game window, TBogglePlayer, with its grid control
// LetterGridView: deals grids from the 25 dice, takes a grid typed by the
// user, pages through the numbered history of grids, and writes the shown
// grid's query as a new command line for Solve. It is modeless and stays on
// top of the main window.
//
// The state and the rules live in games/rules/LetterGridGame.h (LetterGridPlay and
// the grid history); this window lays out the controls, forwards its clicks
// and keys and shows the state.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

#include "games/rules/LetterGridGame.h"
#include "platform/qt/Dialogs.h"

class QLabel;
class QPushButton;

namespace qora {

// The 5 x 5 cells (`Grid`): white cells between wide grey lines, red bold
// letters, the selected cell framed. Clicks and the arrow keys select a
// cell; other keys go to `KeyDown`.
class LetterGridView : public QWidget {
    Q_OBJECT

public:
    LetterGridView(int cellSize, int lineWidth, QWidget* parent);

    std::function<std::string(int cell)> CellText;
    std::function<int()> SelectedCell;
    std::function<void(int cell)> CellSelected;
    std::function<void(QKeyEvent& event)> KeyDown;

    QRect CellRect(int cell) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int cellSize_;
    int lineWidth_;
};

class TBogglePlayer : public QoraDialog {
    Q_OBJECT

public:
    explicit TBogglePlayer(QWidget* parent = nullptr);

    // ---- Components ---------------------------------------------------------------
    QLabel* GridNumber;
    QWidget* Holder;
    LetterGridView* Grid;
    QPushButton* New;
    QPushButton* Previous;
    QPushButton* Next;
    QLabel* NoMore;
    QPushButton* Specified;
    QLabel* SpecifyInfo;
    QLabel* InputtingInfo1;
    QLabel* InputtingInfo2;
    QPushButton* OK;
    QPushButton* Solve;
    QPushButton* Help;
    QPushButton* CloseButton;

    // ---- What the window needs of the main window --------------------------------
    // Writes the line as a new command line, re-checks it silently and
    // gives the workspace the focus (Solve).
    std::function<void(const std::string& line)> WriteCommandLine;
    // The help window; Help is disabled while it is not set.
    std::function<void()> ShowHelp;
    // Whether the command line may be written: false while a query or a
    // command file runs, whose own lines and parsing a written line would
    // disturb. Solve is disabled then (always allowed while not set).
    std::function<bool()> CommandLineFree;
    // The dice's random numbers (the engine's RandomBelow unless a test
    // gives its own).
    RandomBelowFunction RandomBelow;

    const LetterGridPlay& Play() const { return play_; }

    // Shows the window in front; a grid command (GridGameFromCommand, which
    // this consumes) types the command line's letters into a new grid.
    void Activate();
    // After a grid file was read: the current grid and its number.
    void ShowCurrentGrid();
    // Shows the state again; the main window calls it when a query or a
    // command file starts or ends (Solve follows CommandLineFree).
    void ShowState();

    // ---- Handlers -------------------------------------------------------------------
    void NewClick();
    void PreviousClick();
    void NextClick();
    void SpecifiedClick();
    void OKClick();
    void SolveClick();
    void HelpClick();
    void CloseButtonClick();
    void GridKeyDown(QKeyEvent& event);

    // Hiding the window (Close, Esc, Solve, the frame's close button) clears
    // GridGameActive and gives the workspace the focus.
    void done(int result) override;

protected:
    void FormActivate() override;

private:
    bool SolveAllowed() const;
    void MoveFocus();

    LetterGridPlay play_;
};

// The one game window, made with the main window.
extern QPointer<TBogglePlayer> BogglePlayer;

}  // namespace qora
