#include "games/BoardPlayDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/Board.h"
#include "engine/Tiles.h"
#include "games/WordBuildingTiles.h"
#include "platform/ProgramState.h"
#include "platform/Scaling.h"
#include "platform/qt/ColorDialog.h"

namespace qora {

namespace {

constexpr int CellSize = 34;
constexpr int SidePanelWidth = 270;
constexpr int TileInset = 3;
constexpr int RackLength = 7;
constexpr int BlankTiles = 2;

PremiumColors DefaultPlayColors() {
    PremiumColors colors = DefaultPremiumColors(SmallBoardSize);
    colors[PremiumPlain] = QColor(192, 192, 192);
    return colors;
}

void ResetPlayColorVariable() { PlayDlgColors = DefaultPlayColors(); }
const ProgramStateReset registerResetPlayColorVariable(ResetPlayColorVariable);

// Seven empty cells in a row, drawn as the board's are.
class EmptyRack : public QWidget {
public:
    explicit EmptyRack(QWidget* parent) : QWidget(parent) { setFixedSize(RackLength * Pitch() + 1, Pitch() + 1); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::darkGray);
        for (int cell = 0; cell < RackLength; ++cell)
            painter.fillRect(cell * Pitch() + 1, 1, Pitch() - 1, Pitch() - 1, Qt::white);
    }

private:
    static int Pitch() { return Scaled(CellSize) + 1; }
};

}  // namespace

PremiumColors PlayDlgColors = DefaultPlayColors();
QPointer<TPlayDlg> PlayDlg;

void ResetPlayDlgColors() {
    PlayDlgColors = DefaultPlayColors();
    AddPremiumCustomColors(ProgramColorDialog(), SmallBoardSize, PlayDlgColors);
    if (!PlayDlg.isNull()) {
        PlayDlg->Legend->ShowColors();
        PlayDlg->Board->update();
    }
}

std::string UnseenTileList() {
    std::string list(BlankTiles, '?');
    for (int tile = 1; tile <= LatinTileCount; ++tile)
        list += '\n' + std::string(EnglishTileCounts[tile - 1], static_cast<char>(TileBase + tile));
    return list;
}

PlayBoardGrid::PlayBoardGrid(const PremiumColors& colors, int cellSize)
    : PremiumBoardGrid(SmallBoardSize, colors, cellSize) {
    const int side = Scaled(cellSize) - 2 * Scaled(TileInset);
    Tile_A = TileImageForLetter('A', QSize(side, side), devicePixelRatioF());
}

void PlayBoardGrid::DrawSelection(QPainter& painter, const QRect& cell) {
    const int inset = Scaled(TileInset);
    const QRect face = cell.adjusted(inset, inset, -inset, -inset);
    // Drawn again for a screen of another pixel ratio than the first.
    if (Tile_A.devicePixelRatio() != devicePixelRatioF())
        Tile_A = TileImageForLetter('A', face.size(), devicePixelRatioF());
    painter.drawPixmap(face, Tile_A);
}

TPlayDlg::TPlayDlg(QWidget* parent)
    : BoardSquareForm(SmallBoardSize, PlayDlgColors, parent, {" Play 15 x 15 Game", CellSize, SidePanelWidth},
                      new PlayBoardGrid(PlayDlgColors, CellSize)) {
    CloseButton = Cancel;
    CloseButton->setText(QStringLiteral("Close"));

    RackBox = new QGroupBox(QStringLiteral("Rack"), this);
    auto* rackLayout = new QVBoxLayout(RackBox);
    Rack = new EmptyRack(RackBox);
    rackLayout->addWidget(Rack);
    auto* rackButtons = new QHBoxLayout;
    SetRack = new QPushButton(QStringLiteral("Specify"), RackBox);
    OrderRack = new QPushButton(QStringLiteral("Order"), RackBox);
    rackButtons->addWidget(SetRack);
    rackButtons->addWidget(OrderRack);
    rackButtons->addStretch(1);
    rackLayout->addLayout(rackButtons);
    AddToSidePanel(RackBox);

    UnseenTiles = new QGroupBox(QStringLiteral("100 Unseen Tiles"), this);
    auto* unseenLayout = new QVBoxLayout(UnseenTiles);
    UnseenTileText = new QPlainTextEdit(QString::fromLatin1(UnseenTileList()), UnseenTiles);
    UnseenTileText->setReadOnly(true);
    unseenLayout->addWidget(UnseenTileText);
    AddToSidePanel(UnseenTiles);
}

// OK only closes: nothing is typed and no setting changes.
void TPlayDlg::OKClick() { CloseWithResult(mrOk); }

}  // namespace qora
