// The game board drawn in its premium colours, and the colour legend beside
// it: shared by the board-square dialogs and the board play dialog.
//
// The board is a grid of square cells with a one-pixel line between them;
// each cell is filled with the colour of its premium kind (BoardLayout), and
// the selected cell is marked. A cell is selected with the mouse or the
// arrow keys (selected()), or by the owner; letters and digits typed on the
// board are handed to the owner (typed()), which types squares with them.
// The legend shows one coloured box and one caption per premium kind of the
// board; clicking either asks for the kind's colour (colorClicked()).
#pragma once

#include <QColor>
#include <QWidget>
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/Board.h"

class QGridLayout;
class QLabel;
class QLineEdit;

namespace qora {

class ColorDialog;

// A board's colours by PremiumCode; entry 0 is the plain squares' colour.
using PremiumColors = std::array<QColor, PremiumQuadrupleWord + 1>;

// The built-in colours of a board of that size; plain squares are white.
PremiumColors DefaultPremiumColors(int boardSize);

// The premium kinds a board of that size has, in PremiumCode order.
std::vector<PremiumCode> PremiumKindsOf(int boardSize);

// The custom-colour place of a board's premium kind: A, B, D, E on the
// 15 x 15 board; I to N on the 21 x 21 board.
char CustomColorLetter(int boardSize, PremiumCode kind);

// Puts the colours of a board's premium kinds into the colour dialog's
// custom colours.
void AddPremiumCustomColors(ColorDialog& dialog, int boardSize, const PremiumColors& colors);

class PremiumBoardGrid : public QWidget {
    Q_OBJECT

public:
    // cellSize: the cells' width and height at 96 pixels per inch.
    PremiumBoardGrid(int boardSize, const PremiumColors& colors, int cellSize, QWidget* parent = nullptr);

    int BoardSize() const { return size_; }
    int Row() const { return row_; }
    int Column() const { return column_; }
    // Selects a cell, brought into the board.
    void SelectCell(int row, int column);
    // The rectangle of a cell in the widget.
    QRect CellRect(int row, int column) const;

    QSize sizeHint() const override;

signals:
    void selected(int row, int column);  // by the mouse or the arrow keys
    void typed(char c);                  // a letter or digit, as typed

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Marks the selected cell: a black frame 4 pixels wide inside its edges.
    virtual void DrawSelection(QPainter& painter, const QRect& cell);

private:
    int Pitch() const;

    int size_;
    const PremiumColors& colors_;
    int cellSize_;
    int row_ = 0;
    int column_ = 0;
};

class PremiumLegend : public QWidget {
    Q_OBJECT

public:
    PremiumLegend(int boardSize, const PremiumColors& colors, QWidget* parent = nullptr);

    // The coloured box and the caption of a kind (DLS and LabelDLS, ...).
    QLineEdit* Swatch(PremiumCode kind) const { return swatches_.at(kind); }
    QLabel* Caption(PremiumCode kind) const { return captions_.at(kind); }

    // Colours the boxes from the colours.
    void ShowColors();
    // Lets the user choose a new colour for a kind in the colour dialog,
    // the kind's caption bold meanwhile; true when a colour was chosen.
    bool ChooseColor(PremiumCode kind, PremiumColors& colors, ColorDialog& dialog);

signals:
    void colorClicked(PremiumCode kind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int size_;
    const PremiumColors& colors_;
    std::map<PremiumCode, QLineEdit*> swatches_;
    std::map<PremiumCode, QLabel*> captions_;
};

}  // namespace qora
