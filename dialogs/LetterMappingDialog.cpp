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
#include "platform/Scaling.h"
#include "platform/qt/Keys.h"
#include "platform/qt/Text.h"
#include "platform/qt/TileKeys.h"
#include "processor/Console.h"
#include "processor/Settings.h"

namespace qora {

QPointer<TMappingDlg> MappingDlg;
std::string MappingWork;

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

unsigned char CodeOfTile(int tile) { return static_cast<unsigned char>(TileBase + tile); }

// The tile of a mapping code, 0 for a code outside the alphabet.
int TileOfCode(unsigned char code) {
    return code > TileBase && code <= TileBase + ActiveTileCount() ? code - TileBase : 0;
}

// A Spanish single C, L or R, which a following letter could otherwise join.
bool JoinsNextLetter(int tile) { return tile == SpanishTileC || tile == SpanishTileL || tile == SpanishTileR; }

}  // namespace

std::string MappingCommand(std::string_view mapping) {
    std::string command = " /M\"";
    if (!SpanishLexiconActive) {
        command += mapping;
    } else {
        for (const unsigned char code : mapping) {
            command += MappingEntryText(code);
            if (JoinsNextLetter(TileOfCode(code))) command += ' ';
        }
    }
    return command + "\" ";
}

std::string MappingEntryText(unsigned char code) {
    if (!SpanishLexiconActive) return std::string(1, static_cast<char>(code));
    return TileCaption(TileOfCode(code));
}

unsigned char StepMappingCode(unsigned char code, int step) {
    const int count = ActiveTileCount();
    int tile = TileOfCode(code) + step;
    if (tile > count) tile = 1;
    if (tile < 1) tile = count;
    return CodeOfTile(tile);
}

std::string SteppedMapping(int startTile, int step) {
    const int count = ActiveTileCount();
    std::string mapping;
    unsigned char code = CodeOfTile(std::clamp(startTile, 1, count));
    for (int entry = 0; entry < count; ++entry) {
        mapping += static_cast<char>(code);
        code = StepMappingCode(code, step);
    }
    return mapping;
}

MappingKey MappingGridKey(std::string& mapping, int column, KeyStroke stroke, Language language) {
    const int last = static_cast<int>(mapping.size()) - 1;
    if (last < 0) return {};
    column = std::clamp(column, 0, last);
    const int next = column == last ? 0 : column + 1;
    switch (stroke.key) {
        case KeyEnter: return {MappingKeyEffect::Confirm, column};
        case KeyEscape: return {MappingKeyEffect::Close, column};
        case KeyArrowLeft: return {MappingKeyEffect::Used, column == 0 ? last : column - 1};
        case KeyArrowRight: return {MappingKeyEffect::Used, next};
        case KeyArrowUp:
        case KeyArrowDown:
            mapping[column] = static_cast<char>(
                StepMappingCode(static_cast<unsigned char>(mapping[column]), stroke.key == KeyArrowUp ? 1 : -1));
            return {MappingKeyEffect::Used, column};
        default: break;
    }
    if (language != Language::Spanish && stroke.key == KeySpace) {
        mapping[column] = ' ';
        return {MappingKeyEffect::Used, next};
    }
    const TileKey key = FoldTileKey(stroke, language);
    if (key.action != TileKeyAction::Tile) return {MappingKeyEffect::Unused, column};
    mapping[column] = static_cast<char>(CodeOfTile(key.tile));
    return {MappingKeyEffect::Used, next};
}

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
    // Only the mapping row can be selected.
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row == TileRow) setCurrentCell(MappingRow, column);
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

    const ConfirmButtons buttons = AddCommandButtons(*this, *layout);
    OK = buttons.OK;
    Cancel = buttons.Cancel;
    Help = buttons.Help;
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
    MappingWork.resize(static_cast<std::size_t>(count), static_cast<char>(CodeOfTile(1)));

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
    layout()->activate();
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
