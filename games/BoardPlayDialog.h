// The board play dialog, TPlayDlg: the 15 x 15 board drawn large, for playing
// out a position, with a seven-tile rack and the list of unseen tiles beside
// it. Only the board has behaviour, that of the board-square dialogs (typing,
// clicking or moving to a square, its orientation, the colour legend); OK and
// Close only close the window. The rack, its Specify and Order buttons and the
// tile list are static. Nothing opens the window: its menu item stays
// disabled, and start-up only sets its colours.
#pragma once

#include <QPixmap>
#include <QPointer>
#include <string>

#include "dialogs/BoardSquareDialog.h"

class QGroupBox;
class QPlainTextEdit;

namespace qora {

// The premium colours of the play dialog's board; plain squares are silver.
extern PremiumColors PlayDlgColors;

// The colours back to the built-in ones, also as the custom colours of the
// program's colour dialog (start-up). The 15 x 15 dialog registers the same
// letters with the same colours, so each letter stays one line.
void ResetPlayDlgColors();

// The English bag of 100 tiles, one kind a line: "??", "AAAAAAAAA", "BB", ...
std::string UnseenTileList();

// The board with the selected square holding the picture of a tile A.
class PlayBoardGrid : public PremiumBoardGrid {
    Q_OBJECT

public:
    PlayBoardGrid(const PremiumColors& colors, int cellSize);

    QPixmap Tile_A;  // inset in the selected cell

protected:
    void DrawSelection(QPainter& painter, const QRect& cell) override;
};

class TPlayDlg : public BoardSquareForm {
    Q_OBJECT

public:
    explicit TPlayDlg(QWidget* parent = nullptr);

    QPushButton* CloseButton;  // the form's Cancel, captioned "Close"
    QGroupBox* RackBox;
    QWidget* Rack;
    QPushButton* SetRack;
    QPushButton* OrderRack;
    QGroupBox* UnseenTiles;
    QPlainTextEdit* UnseenTileText;

protected:
    void OKClick() override;
};

extern QPointer<TPlayDlg> PlayDlg;

}  // namespace qora
