#include "dialogs/BoardSquareDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/OptionTexts.h"
#include "engine/Board.h"
#include "platform/ProgramState.h"
#include "platform/Scaling.h"
#include "platform/qt/ColorDialog.h"
#include "platform/qt/Focus.h"
#include "processor/Console.h"
#include "processor/Settings.h"

namespace qora {

PremiumColors BoardDlgColors = DefaultPremiumColors(SmallBoardSize);
PremiumColors SuperBoardDlgColors = DefaultPremiumColors(LargeBoardSize);
QPointer<TBoardDlg> BoardDlg;
QPointer<TSuperBoardDlg> SuperBoardDlg;

namespace {

constexpr int CaptionWidth = 24;

void ResetColorVariables() {
    BoardDlgColors = DefaultPremiumColors(SmallBoardSize);
    SuperBoardDlgColors = DefaultPremiumColors(LargeBoardSize);
}
const ProgramStateReset registerResetColorVariables(ResetColorVariables);

// Recolours the legend of a form that exists.
template <class Form>
void ShowLegendColors(const QPointer<Form>& form) {
    if (!form.isNull()) {
        form->Legend->ShowColors();
        form->Board->update();
    }
}

// The board with its row numbers on the left and column letters above.
QGridLayout* BoardWithCaptions(PremiumBoardGrid& board, QWidget& form) {
    auto* grid = new QGridLayout;
    grid->setSpacing(0);
    const int size = board.BoardSize();
    const int pitch = board.CellRect(0, 1).left();
    for (int i = 0; i < size; ++i) {
        auto* letter = new QLabel(QString(QChar('A' + i)), &form);
        letter->setAlignment(Qt::AlignCenter);
        letter->setFixedWidth(pitch);
        grid->addWidget(letter, 0, i + 1);
        auto* number = new QLabel(QString::number(i + 1), &form);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setFixedSize(Scaled(CaptionWidth), pitch);
        number->setContentsMargins(0, 0, Scaled(4), 0);
        grid->addWidget(number, i + 1, 0);
    }
    grid->addWidget(&board, 1, 1, size, size);
    return grid;
}

}  // namespace

void ResetBoardDlgColors() {
    BoardDlgColors = DefaultPremiumColors(SmallBoardSize);
    AddPremiumCustomColors(ProgramColorDialog(), SmallBoardSize, BoardDlgColors);
    ShowLegendColors(BoardDlg);
}

void ResetSuperBoardDlgColors() {
    SuperBoardDlgColors = DefaultPremiumColors(LargeBoardSize);
    AddPremiumCustomColors(ProgramColorDialog(), LargeBoardSize, SuperBoardDlgColors);
    ShowLegendColors(SuperBoardDlg);
}

// ---- The form --------------------------------------------------------------------

BoardSquareForm::BoardSquareForm(int boardSize, PremiumColors& colors, QWidget* parent, const BoardFormShape& shape,
                                 PremiumBoardGrid* board)
    : QoraDialog(shape.Caption, boardSize * (shape.CellSize + 1) + CaptionWidth + shape.SidePanelWidth + 40,
                 boardSize * (shape.CellSize + 1) + 90, parent),
      colors_(colors),
      typing_(boardSize) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    layout->addLayout(top, 1);
    Board = board != nullptr ? board : new PremiumBoardGrid(boardSize, colors, shape.CellSize, this);
    top->addLayout(BoardWithCaptions(*Board, *this));
    top->addSpacing(Scaled(12));

    auto* side = sidePanel_ = new QVBoxLayout;
    top->addLayout(side, 1);
    SquareText = new QLineEdit(this);
    SquareText->setReadOnly(true);
    SquareText->setFocusPolicy(Qt::NoFocus);
    side->addWidget(SquareText);
    Orientation = new QGroupBox(QStringLiteral("Orientation"), this);
    auto* orientations = new QVBoxLayout(Orientation);
    Horizontal = new QRadioButton(QStringLiteral("Horizontal"), Orientation);
    Vertical = new QRadioButton(QStringLiteral("Vertical"), Orientation);
    Horizontal->setChecked(true);
    orientations->addWidget(Horizontal);
    orientations->addWidget(Vertical);
    side->addWidget(Orientation);
    side->addWidget(new QLabel(QStringLiteral("Color Legend (click to change):"), this));
    Legend = new PremiumLegend(boardSize, colors, this);
    side->addWidget(Legend);
    side->addStretch(1);

    auto* hint = new QLabel(
        QStringLiteral("Select a square by typing its coordinates, clicking there, or using arrow keys."), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    AddCommandButtons(*this, *layout);

    connect(Board, &PremiumBoardGrid::selected, this, &BoardSquareForm::BoardSelectCell);
    connect(Board, &PremiumBoardGrid::typed, this, &BoardSquareForm::BoardKeyPress);
    connect(Horizontal, &QRadioButton::clicked, this, &BoardSquareForm::OrientationClick);
    connect(Vertical, &QRadioButton::clicked, this, &BoardSquareForm::OrientationClick);
    connect(Legend, &PremiumLegend::colorClicked, this, &BoardSquareForm::ColorClick);
    connect(OK, &QPushButton::clicked, this, &BoardSquareForm::OKClick);
}

void BoardSquareForm::AddToSidePanel(QWidget* part) { sidePanel_->insertWidget(sidePanel_->count() - 1, part); }

BoardSquare BoardSquareForm::ChosenSquare() const { return {Board->Row(), Board->Column(), Horizontal->isChecked()}; }

// The cell of the displayed settings (brought into the board, which may
// have been smaller when it was chosen); the orientation stays as the form
// left it.
void BoardSquareForm::FormActivate() {
    Board->SelectCell(DisplayedSettings.BoardRow, DisplayedSettings.BoardColumn);
    atOpening_ = ChosenSquare();
    SquareText->setText(QString::fromLatin1(SquareTextOf(atOpening_)));
    typing_.Start();
    Legend->ShowColors();
    Board->update();
    Board->setFocus();
}

void BoardSquareForm::BoardSelectCell() {
    typing_.SquareChosen();
    ShowSquare(ChosenSquare());
}

// A digit that selects no row ("0") still begins a square, and so chooses
// its orientation.
void BoardSquareForm::BoardKeyPress(char c) {
    BoardSquare square = ChosenSquare();
    typing_.Type(c, square);
    if (square != ChosenSquare()) ShowSquare(square);
}

void BoardSquareForm::ShowSquare(const BoardSquare& square) {
    (square.Horizontal ? Horizontal : Vertical)->setChecked(true);
    Board->SelectCell(square.Row, square.Column);
    SquareText->setText(QString::fromLatin1(SquareTextOf(ChosenSquare())));
}

void BoardSquareForm::OrientationClick() {
    SquareText->setText(QString::fromLatin1(SquareTextOf(ChosenSquare())));
    Board->setFocus();
}

void BoardSquareForm::ColorClick(PremiumCode kind) {
    if (Legend->ChooseColor(kind, colors_, ProgramColorDialog())) Board->update();
    Board->setFocus();
}

// Nothing changes when the square is the one shown at opening; otherwise the
// displayed settings take it, and the scoring modes that use a square get
// its command.
void BoardSquareForm::OKClick() {
    const BoardSquare square = ChosenSquare();
    const bool sameCell = square.Row == DisplayedSettings.BoardRow && square.Column == DisplayedSettings.BoardColumn;
    if (!sameCell || square.Horizontal != atOpening_.Horizontal) {
        DisplayedSettings.BoardRow = static_cast<std::int16_t>(square.Row);
        DisplayedSettings.BoardColumn = static_cast<std::int16_t>(square.Column);
        DisplayedSettings.BoardOrientation = square.Horizontal ? BoardHorizontal : BoardVertical;
        const std::string command = BoardSquareCommand(square, DisplayedSettings.ScoringMode);
        if (!command.empty()) AppendToCommandLine(command);
    }
    CloseWithResult(mrOk);
}

TBoardDlg::TBoardDlg(QWidget* parent) : BoardSquareForm(SmallBoardSize, BoardDlgColors, parent) {}

TSuperBoardDlg::TSuperBoardDlg(QWidget* parent) : BoardSquareForm(LargeBoardSize, SuperBoardDlgColors, parent) {}

}  // namespace qora
