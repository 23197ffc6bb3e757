// The tiles of the Word-Building Game on screen: a tile's face (its letter and
// its value) and the grid control, TileGridControl, that shows cells of tiles,
// frames the selected cell and passes clicks and keys on to the game window.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

class QKeyEvent;

namespace qora {

// The face of a tile byte of the active language at the size given, drawn at
// `ratio` device pixels to each pixel of the size (SharpPixmap): the letter
// (Spanish CH, LL, RR, Ñ as they are written) and its value in TileScores,
// so French faces show French values. A null pixmap for a byte that is no
// tile.
QPixmap TileImageForLetter(unsigned char tile, QSize size, qreal ratio);

// Cells of tiles, `columns` x `rows`, each `cellSize` large. An empty cell
// is white. A framed grid draws a red frame round the selected cell and a
// white one round the others.
class TileGridControl : public QWidget {
    Q_OBJECT

public:
    TileGridControl(int columns, int rows, QSize cellSize, bool framed, QWidget* parent);

    // What the grid shows: the tile of a cell (0 for none) and the selected cell.
    std::function<unsigned char(int column, int row)> TileAt;
    std::function<bool(int column, int row)> IsSelected;
    // A click on a cell, and a key pressed while the grid has the focus
    // (true when the key was used; other keys go on to the window).
    std::function<void(int column, int row)> CellClicked;
    std::function<bool(const QKeyEvent& event)> KeyDown;

    QSize CellSize() const { return cellSize_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int columns_;
    int rows_;
    QSize cellSize_;
    bool framed_;
};

}  // namespace qora
