// The board-square dialogs: the board drawn in its premium colours, on which
// the user chooses the square where board scoring places a word, and its
// direction, by mouse, arrow keys or typing the square ("8H", "H8"). OK stores
// the square in DisplayedSettings and, in the scoring modes that use a square,
// types the square command ("/@8H." or "/@8H~"). TBoardDlg serves the 15 x 15
// board, TSuperBoardDlg the 21 x 21 board, both on the form BoardSquareForm;
// each keeps its own premium colours, which the user may change in the legend.
#pragma once

#include <QPointer>
#include <string>

#include "dialogs/DialogParts.h"
#include "engine/BoardSquareTyping.h"
#include "engine/QueryRecords.h"
#include "platform/qt/Dialogs.h"
#include "widgets/PremiumBoard.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

namespace qora {

extern PremiumColors BoardDlgColors;
extern PremiumColors SuperBoardDlgColors;

// The colours back to the built-in ones, also as the custom colours of the
// program's colour dialog (start-up).
void ResetBoardDlgColors();
void ResetSuperBoardDlgColors();

// How another board window built on the form differs from the board-square
// dialogs: its caption, its cells' size and the width of the panel beside
// the board (at 96 pixels per inch).
struct BoardFormShape {
    const char* Caption = " Select a Square";
    int CellSize = 20;
    int SidePanelWidth = 210;
};

class BoardSquareForm : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    PremiumBoardGrid* Board;
    QLineEdit* SquareText;
    QGroupBox* Orientation;
    QRadioButton* Horizontal;
    QRadioButton* Vertical;
    PremiumLegend* Legend;

    // The square chosen now: the selected cell and the orientation.
    BoardSquare ChosenSquare() const;
    const BoardSquareTyping& Typing() const { return typing_; }

protected:
    // `board`: the grid that draws the board, when it is not a plain one.
    BoardSquareForm(int boardSize, PremiumColors& colors, QWidget* parent, const BoardFormShape& shape = {},
                    PremiumBoardGrid* board = nullptr);
    void FormActivate() override;
    virtual void OKClick();
    // Adds a part below the colour legend.
    void AddToSidePanel(QWidget* part);

private:
    void BoardSelectCell();
    void BoardKeyPress(char c);
    void ShowSquare(const BoardSquare& square);
    void OrientationClick();
    void ColorClick(PremiumCode kind);

    PremiumColors& colors_;
    QVBoxLayout* sidePanel_;
    BoardSquareTyping typing_;
    BoardSquare atOpening_;
};

class TBoardDlg : public BoardSquareForm {
    Q_OBJECT

public:
    explicit TBoardDlg(QWidget* parent = nullptr);
};

class TSuperBoardDlg : public BoardSquareForm {
    Q_OBJECT

public:
    explicit TSuperBoardDlg(QWidget* parent = nullptr);
};

extern QPointer<TBoardDlg> BoardDlg;
extern QPointer<TSuperBoardDlg> SuperBoardDlg;

}  // namespace qora
