#include "widgets/PremiumBoard.h"

#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cctype>

#include "platform/Scaling.h"
#include "platform/qt/ColorDialog.h"
#include "platform/qt/Keys.h"

namespace qora {

namespace {

constexpr int SelectionFrameWidth = 4;
constexpr int SwatchWidth = 28;

const char* KindCaption(PremiumCode kind) {
    switch (kind) {
        case PremiumDoubleLetter: return "Double letter";
        case PremiumTripleLetter: return "Triple letter";
        case PremiumQuadrupleLetter: return "Quadruple letter";
        case PremiumDoubleWord: return "Double word";
        case PremiumTripleWord: return "Triple word";
        case PremiumQuadrupleWord: return "Quadruple word";
        case PremiumPlain: break;
    }
    return "";
}

}  // namespace

PremiumColors DefaultPremiumColors(int boardSize) {
    const bool small = boardSize == SmallBoardSize;
    PremiumColors colors;
    colors[PremiumPlain] = Qt::white;
    colors[PremiumDoubleLetter] = QColor(160, 176, 255);
    colors[PremiumTripleLetter] = QColor(0, 0, 255);
    colors[PremiumQuadrupleLetter] = small ? QColor() : QColor(0, 0, 128);
    colors[PremiumDoubleWord] = QColor(247, 176, 179);
    colors[PremiumTripleWord] = small ? QColor(255, 0, 0) : QColor(250, 101, 37);
    colors[PremiumQuadrupleWord] = small ? QColor() : QColor(255, 0, 0);
    return colors;
}

std::vector<PremiumCode> PremiumKindsOf(int boardSize) {
    if (boardSize == SmallBoardSize)
        return {PremiumDoubleLetter, PremiumTripleLetter, PremiumDoubleWord, PremiumTripleWord};
    return {PremiumDoubleLetter, PremiumTripleLetter, PremiumQuadrupleLetter,
            PremiumDoubleWord,   PremiumTripleWord,   PremiumQuadrupleWord};
}

char CustomColorLetter(int boardSize, PremiumCode kind) {
    return static_cast<char>((boardSize == SmallBoardSize ? 'A' : 'I') + kind - PremiumDoubleLetter);
}

void AddPremiumCustomColors(ColorDialog& dialog, int boardSize, const PremiumColors& colors) {
    for (const PremiumCode kind : PremiumKindsOf(boardSize))
        dialog.AddCustomColor(CustomColorLetter(boardSize, kind), colors[kind]);
}

// ---- The board -----------------------------------------------------------------------

PremiumBoardGrid::PremiumBoardGrid(int boardSize, const PremiumColors& colors, int cellSize, QWidget* parent)
    : QWidget(parent), size_(boardSize), colors_(colors), cellSize_(cellSize) {
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
}

int PremiumBoardGrid::Pitch() const { return Scaled(cellSize_) + 1; }

QSize PremiumBoardGrid::sizeHint() const { return {size_ * Pitch(), size_ * Pitch()}; }

QRect PremiumBoardGrid::CellRect(int row, int column) const {
    return {column * Pitch(), row * Pitch(), Pitch() - 1, Pitch() - 1};
}

void PremiumBoardGrid::SelectCell(int row, int column) {
    row_ = std::clamp(row, 0, size_ - 1);
    column_ = std::clamp(column, 0, size_ - 1);
    update();
}

void PremiumBoardGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::darkGray);
    for (int row = 0; row < size_; ++row)
        for (int column = 0; column < size_; ++column)
            painter.fillRect(CellRect(row, column), colors_[BoardLayout[row][column]]);
    DrawSelection(painter, CellRect(row_, column_));
}

void PremiumBoardGrid::DrawSelection(QPainter& painter, const QRect& cell) {
    const int width = std::min(SelectionFrameWidth, cell.width() / 2);
    painter.fillRect(QRect(cell.left(), cell.top(), cell.width(), width), Qt::black);
    painter.fillRect(QRect(cell.left(), cell.bottom() - width + 1, cell.width(), width), Qt::black);
    painter.fillRect(QRect(cell.left(), cell.top(), width, cell.height()), Qt::black);
    painter.fillRect(QRect(cell.right() - width + 1, cell.top(), width, cell.height()), Qt::black);
}

void PremiumBoardGrid::mousePressEvent(QMouseEvent* event) {
    setFocus();
    const QPoint at = event->position().toPoint();
    const int row = at.y() / Pitch();
    const int column = at.x() / Pitch();
    if (row >= size_ || column >= size_) return;
    SelectCell(row, column);
    emit selected(row_, column_);
}

void PremiumBoardGrid::keyPressEvent(QKeyEvent* event) {
    int row = row_;
    int column = column_;
    switch (KeyStrokeOf(*event).key) {
        case KeyArrowUp: --row; break;
        case KeyArrowDown: ++row; break;
        case KeyArrowLeft: --column; break;
        case KeyArrowRight: ++column; break;
        default: {
            const unsigned char c = KeyCharOf(*event);
            if (c < 0x80 && std::isalnum(c)) return emit typed(static_cast<char>(c));
            return QWidget::keyPressEvent(event);
        }
    }
    if (row < 0 || row >= size_ || column < 0 || column >= size_) return;
    SelectCell(row, column);
    emit selected(row_, column_);
}

// ---- The legend ----------------------------------------------------------------------

PremiumLegend::PremiumLegend(int boardSize, const PremiumColors& colors, QWidget* parent)
    : QWidget(parent), size_(boardSize), colors_(colors) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const PremiumCode kind : PremiumKindsOf(boardSize)) {
        auto* swatch = new QLineEdit(this);
        swatch->setReadOnly(true);
        swatch->setFocusPolicy(Qt::NoFocus);
        swatch->setFixedWidth(Scaled(SwatchWidth));
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->installEventFilter(this);
        auto* caption = new QLabel(QString::fromLatin1(KindCaption(kind)), this);
        caption->setCursor(Qt::PointingHandCursor);
        caption->installEventFilter(this);
        grid->addWidget(swatch, row, 0);
        grid->addWidget(caption, row, 1);
        swatches_[kind] = swatch;
        captions_[kind] = caption;
        ++row;
    }
    grid->setColumnStretch(1, 1);
    ShowColors();
}

void PremiumLegend::ShowColors() {
    for (const auto& [kind, swatch] : swatches_) {
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Base, colors_[kind]);
        swatch->setPalette(palette);
    }
}

bool PremiumLegend::ChooseColor(PremiumCode kind, PremiumColors& colors, ColorDialog& dialog) {
    QLabel* caption = captions_.at(kind);
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    dialog.Color = colors[kind];
    const bool chosen = dialog.Execute(window());
    if (chosen) {
        colors[kind] = dialog.Color;
        dialog.AddCustomColor(CustomColorLetter(size_, kind), dialog.Color);
        ShowColors();
    }
    font.setBold(false);
    caption->setFont(font);
    return chosen;
}

bool PremiumLegend::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (const PremiumCode kind : PremiumKindsOf(size_)) {
            if (watched == swatches_.at(kind) || watched == captions_.at(kind)) {
                emit colorClicked(kind);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace qora
