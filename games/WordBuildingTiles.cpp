#include "games/WordBuildingTiles.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <map>
#include <tuple>

#include "engine/Tiles.h"
#include "platform/qt/Screen.h"
#include "platform/qt/Text.h"

namespace qora {

namespace {

const QColor TileColour(250, 232, 180);
const QColor TileEdgeColour(150, 120, 60);
const QColor LetterColour(40, 30, 10);

// The largest pixel size, up to `pixels`, at which the text fits the width.
QFont FittedFont(const QString& text, int pixels, int width) {
    QFont font;
    font.setBold(true);
    for (; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= width) break;
    }
    return font;
}

QPixmap DrawTile(const QString& letter, int value, QSize size, qreal ratio) {
    QPixmap face = SharpPixmap(size, ratio);
    face.fill(Qt::white);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal inset = size.width() / 14.0;
    const QRectF body = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(TileEdgeColour, 1.5));
    painter.setBrush(TileColour);
    painter.drawRoundedRect(body, inset, inset);
    painter.setPen(LetterColour);
    // The letter stands left of the value, which takes the lower right corner.
    const QRectF letterBox = body.adjusted(0, 0, -body.width() / 5, -body.height() / 8);
    painter.setFont(FittedFont(letter, size.height() / 2, static_cast<int>(letterBox.width() * 0.95)));
    painter.drawText(letterBox, Qt::AlignCenter, letter);
    QFont small;
    small.setPixelSize(std::max(7, size.height() / 5));
    painter.setFont(small);
    painter.drawText(body.adjusted(0, 0, -inset, -inset / 2), Qt::AlignRight | Qt::AlignBottom, QString::number(value));
    return face;
}

}  // namespace

QPixmap TileImageForLetter(unsigned char tile, QSize size, qreal ratio) {
    if (tile <= TileBase || tile > TileBase + ActiveTileCount()) return {};
    const int number = tile - TileBase;
    const int value = TileScores[static_cast<std::size_t>(number - 1)];
    // Faces are drawn once for each tile, value, size and ratio.
    // no-reset: a cache drawn from the key alone
    static std::map<std::tuple<std::string, int, int, int, qreal>, QPixmap> faces;
    const std::string letter = TileCaption(number);
    const auto key = std::make_tuple(letter, value, size.width(), size.height(), ratio);
    auto face = faces.find(key);
    if (face == faces.end()) face = faces.emplace(key, DrawTile(FromCodePage(letter), value, size, ratio)).first;
    return face->second;
}

TileGridControl::TileGridControl(int columns, int rows, QSize cellSize, bool framed, QWidget* parent)
    : QWidget(parent), columns_(columns), rows_(rows), cellSize_(cellSize), framed_(framed) {
    setFixedSize(columns * cellSize.width(), rows * cellSize.height());
    setFocusPolicy(framed ? Qt::StrongFocus : Qt::NoFocus);
}

void TileGridControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column) {
            const QRect cell(column * cellSize_.width(), row * cellSize_.height(), cellSize_.width(),
                             cellSize_.height());
            const unsigned char tile = TileAt ? TileAt(column, row) : 0;
            const QPixmap face = tile != 0 ? TileImageForLetter(tile, cellSize_, devicePixelRatioF()) : QPixmap();
            if (face.isNull())
                painter.fillRect(cell, Qt::white);
            else
                painter.drawPixmap(cell.topLeft(), face);
            if (!framed_) continue;
            const bool selected = IsSelected && IsSelected(column, row);
            painter.setPen(QPen(selected ? Qt::red : Qt::white, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell.adjusted(1, 1, -1, -1));
        }
}

void TileGridControl::mousePressEvent(QMouseEvent* event) {
    if (framed_) setFocus(Qt::MouseFocusReason);
    const QPoint at = event->position().toPoint();
    const int column = at.x() / cellSize_.width();
    const int row = at.y() / cellSize_.height();
    if (CellClicked && column >= 0 && column < columns_ && row >= 0 && row < rows_) CellClicked(column, row);
}

void TileGridControl::keyPressEvent(QKeyEvent* event) {
    if (KeyDown && KeyDown(*event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace qora
