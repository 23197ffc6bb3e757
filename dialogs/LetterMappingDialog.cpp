#include "dialogs/LetterMappingDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/OptionTexts.h"
#include "platform/Scaling.h"
#include "platform/qt/Keys.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"
#include "processor/Settings.h"

namespace qora {

QPointer<TMappingDlg> MappingDlg;
std::string MappingWork;  // no-reset: the dialog's copy, taken from LetterMapping at each showing

namespace {

constexpr int SpanishFormWidth = 772;
constexpr int LatinFormWidth = 725;
constexpr int FormHeight = 240;
constexpr int ColumnWidth = 22;
constexpr int RowHeight = 32;
constexpr int SpanishGridWidth = 674;
constexpr int LatinGridWidth = 626;
constexpr int GridHeight = 70;
constexpr int SpanishFontSize = 8;
constexpr int LatinFontSize = 14;
constexpr int TileRow = 0;
constexpr int MappingRow = 1;

}  // namespace

// ---- The grid --------------------------------------------------------------------

MappingGrid::MappingGrid(QWidget* parent) : QTableWidget(2, LatinTileCount, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setTextElideMode(Qt::ElideNone);  // "CH" fills a narrow cell
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Only the mapping row can be selected: a click on a tile leaves the
    // selection where it was.
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int previousRow, int previousColumn) {
                if (row == TileRow) setCurrentCell(MappingRow, previousRow == MappingRow ? previousColumn : column);
            });
}

void MappingGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) return QTableWidget::keyPressEvent(event);
    emit keyDown(KeyStrokeOf(*event));
}

// ---- The dialog ------------------------------------------------------------------

TMappingDlg::TMappingDlg(QWidget* parent) : QoraDialog(" Letter Mapping", LatinFormWidth, FormHeight, parent) {
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(
        QStringLiteral("You may specify a mapping to be used for those word references which start with \"[M\"."),
        this);
    layout->addWidget(Label1);
    SpanishLabel = new QLabel(FromCodePage("Use CTRL-letter: C,L,N,R for CH,LL,\xD1,RR."), this);
    layout->addWidget(SpanishLabel);

    auto* rows = new QGridLayout;
    Label3 = new QLabel(QStringLiteral("Letter"), this);
    Label4 = new QLabel(QStringLiteral("Maps to"), this);
    Grid = new MappingGrid(this);
    rows->addWidget(Label3, 0, 0);
    rows->addWidget(Label4, 1, 0);
    rows->addWidget(Grid, 0, 1, 2, 1, Qt::AlignLeft);
    rows->setColumnStretch(2, 1);
    layout->addLayout(rows);

    GroupBox1 = new QGroupBox(QStringLiteral("Set the Map"), this);
    auto* group = new QHBoxLayout(GroupBox1);
    AlphabeticalOrder = new QRadioButton(QStringLiteral("In alphabetical order"), GroupBox1);
    AlphabeticalOrder->setChecked(true);
    ReverseAlphabeticalOrder = new QRadioButton(QStringLiteral("In reverse alphabetical order"), GroupBox1);
    Label2 = new QLabel(QStringLiteral("Starting with:"), GroupBox1);
    StartingWith = new QComboBox(GroupBox1);
    SetMap = new QPushButton(QStringLiteral("Set Map"), GroupBox1);
    SetMap->setAutoDefault(false);
    group->addWidget(AlphabeticalOrder);
    group->addWidget(ReverseAlphabeticalOrder);
    group->addSpacing(Scaled(12));
    group->addWidget(Label2);
    group->addWidget(StartingWith);
    group->addSpacing(Scaled(12));
    group->addWidget(SetMap);
    group->addStretch(1);
    layout->addWidget(GroupBox1);
    layout->addStretch(1);

    AddCommandButtons(*this, *layout);
    connect(OK, &QPushButton::clicked, this, &TMappingDlg::OKClick);
    connect(SetMap, &QPushButton::clicked, this, &TMappingDlg::SetMapClick);
    connect(Grid, &MappingGrid::keyDown, this, &TMappingDlg::GridKeyDown);
}

int TMappingDlg::FormWidth() { return SpanishLexiconActive ? SpanishFormWidth : LatinFormWidth; }

void TMappingDlg::FormActivate() { LayOutGrid(true); }

// Lays the grid out for the active language and writes both rows; at the
// form's activation the mapping is taken afresh from LetterMapping.
void TMappingDlg::LayOutGrid(bool fromActivation) {
    const bool spanish = SpanishLexiconActive != 0;
    const int count = ActiveTileCount();
    setFixedSize(Scaled(FormWidth()), Scaled(FormHeight));
    SpanishLabel->setVisible(spanish);
    if (fromActivation) MappingWork = LetterMapping;
    MappingWork.resize(static_cast<std::size_t>(count), static_cast<char>(TileBase + 1));

    QFont font = Grid->font();
    font.setPointSize(spanish ? SpanishFontSize : LatinFontSize);
    Grid->setFont(font);
    Grid->setColumnCount(count);
    for (int column = 0; column < count; ++column) Grid->setColumnWidth(column, Scaled(ColumnWidth));
    for (int row = 0; row < 2; ++row) Grid->setRowHeight(row, Scaled(RowHeight));
    Grid->setFixedSize(Scaled(spanish ? SpanishGridWidth : LatinGridWidth), Scaled(GridHeight));

    StartingWith->clear();
    for (int tile = 1; tile <= count; ++tile) {
        const std::string caption = TileCaption(tile);
        StartingWith->addItem(FromCodePage((spanish ? " " : "  ") + caption));
        auto* item = new QTableWidgetItem(FromCodePage(caption));
        item->setTextAlignment(Qt::AlignCenter);
        item->setFlags(Qt::ItemIsEnabled);
        Grid->setItem(TileRow, tile - 1, item);
        ShowMappingCell(tile - 1);
    }
    StartingWith->setCurrentIndex(0);
    Grid->setCurrentCell(MappingRow, 0);
    Grid->setFocus();
}

void TMappingDlg::ShowMappingCell(int column) {
    auto* item = new QTableWidgetItem(FromCodePage(MappingEntryText(static_cast<unsigned char>(MappingWork[column]))));
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    Grid->setItem(MappingRow, column, item);
}

void TMappingDlg::GridKeyDown(KeyStroke stroke) {
    const int column = Grid->currentColumn();
    const MappingKey key = MappingGridKey(MappingWork, column, stroke, ActiveLanguage());
    switch (key.Effect) {
        case MappingKeyEffect::Confirm: return OKClick();
        case MappingKeyEffect::Close: return CloseWithResult(mrCancel);
        case MappingKeyEffect::Unused: return;
        case MappingKeyEffect::Used:
            ShowMappingCell(column);
            Grid->setCurrentCell(MappingRow, key.Column);
            return;
    }
}

void TMappingDlg::SetMapClick() {
    MappingWork = SteppedMapping(StartingWith->currentIndex() + 1, AlphabeticalOrder->isChecked() ? 1 : -1);
    LayOutGrid(false);
}

void TMappingDlg::OKClick() {
    AppendToCommandLine(MappingCommand(MappingWork));
    CloseWithResult(mrOk);
}

}  // namespace qora
