#include "games/LetterGridWindow.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/RandomRacks.h"
#include "games/rules/GameWindows.h"
#include "platform/Scaling.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Keys.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"
#include "processor/Executor.h"

namespace qora {

QPointer<TBogglePlayer> BogglePlayer;

namespace {

// The window as designed at 96 pixels per inch.
constexpr int DesignWidth = 780;
constexpr int DesignHeight = 600;
constexpr int CellSize = 76;
constexpr int GridLineWidth = 20;
constexpr int LetterPixels = 48;
constexpr int Margin = 12;
constexpr int ColumnWidth = 220;

const QColor Teal(0, 128, 128);
const QColor HolderGrey(192, 192, 192);
const QColor GridLineGrey(128, 128, 128);
const QColor LetterRed(255, 0, 0);
const QColor SelectionYellow(255, 255, 160);

QLabel* MakeLabel(QWidget* parent, std::string_view text, bool wrap) {
    auto* label = new QLabel(FromCodePage(text), parent);
    label->setWordWrap(wrap);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(colours);
    // A label that comes and goes keeps its place, so nothing else moves.
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setAutoDefault(false);
    button->setMinimumHeight(Scaled(30));
    QSizePolicy policy = button->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    button->setSizePolicy(policy);
    return button;
}

}  // namespace

// ---- The grid of cells ----------------------------------------------------------

LetterGridView::LetterGridView(int cellSize, int lineWidth, QWidget* parent)
    : QWidget(parent), cellSize_(cellSize), lineWidth_(lineWidth) {
    const int side = GridSide * cellSize + (GridSide + 1) * lineWidth;
    setFixedSize(side, side);
    setFocusPolicy(Qt::StrongFocus);
    QFont letters = font();
    letters.setPixelSize(Scaled(LetterPixels));
    letters.setBold(true);
    setFont(letters);
}

QRect LetterGridView::CellRect(int cell) const {
    const int row = cell / GridSide, column = cell % GridSide;
    return {lineWidth_ + column * (cellSize_ + lineWidth_), lineWidth_ + row * (cellSize_ + lineWidth_), cellSize_,
            cellSize_};
}

void LetterGridView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), GridLineGrey);
    const int selected = SelectedCell ? SelectedCell() : -1;
    for (int cell = 0; cell < GridCellCount; ++cell) {
        const QRect box = CellRect(cell);
        painter.fillRect(box, cell == selected ? SelectionYellow : QColor(Qt::white));
        if (cell == selected) {
            painter.setPen(QPen(Qt::black, Scaled(3)));
            painter.drawRect(box.adjusted(1, 1, -2, -2));
        }
        if (!CellText) continue;
        // "Qu" is narrowed to leave a margin in its cell.
        const QString text = FromCodePage(CellText(cell)).trimmed();
        QFont letters = font();
        const int room = box.width() - Scaled(8);
        const int width = QFontMetrics(letters).horizontalAdvance(text);
        if (width > room) letters.setPixelSize(letters.pixelSize() * room / width);
        painter.setFont(letters);
        painter.setPen(LetterRed);
        painter.drawText(box, Qt::AlignCenter, text);
    }
}

void LetterGridView::mousePressEvent(QMouseEvent* event) {
    setFocus();
    for (int cell = 0; cell < GridCellCount; ++cell)
        if (CellRect(cell).contains(event->position().toPoint()) && CellSelected) CellSelected(cell);
    update();
}

void LetterGridView::keyPressEvent(QKeyEvent* event) {
    const int selected = SelectedCell ? SelectedCell() : -1;
    const int row = selected / GridSide, column = selected % GridSide;
    int target = -1;
    switch (event->key()) {
        case Qt::Key_Left: target = column > 0 ? selected - 1 : selected; break;
        case Qt::Key_Right: target = column < GridSide - 1 ? selected + 1 : selected; break;
        case Qt::Key_Up: target = row > 0 ? selected - GridSide : selected; break;
        case Qt::Key_Down: target = row < GridSide - 1 ? selected + GridSide : selected; break;
        default:
            if (KeyDown) KeyDown(*event);
            update();
            return;
    }
    if (selected >= 0 && CellSelected) CellSelected(target);
    update();
}

// ---- The window ---------------------------------------------------------------------

TBogglePlayer::TBogglePlayer(QWidget* parent)
    : QoraDialog(" Play 5 x 5 Grid Game", DesignWidth, DesignHeight, parent), RandomBelow(qora::RandomBelow) {
    setModal(false);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Teal);
    setPalette(colours);

    GridNumber = MakeLabel(this, "", false);
    QFont numberFont = GridNumber->font();
    numberFont.setPixelSize(Scaled(18));
    numberFont.setBold(true);
    GridNumber->setFont(numberFont);
    Holder = new QWidget(this);
    Holder->setAutoFillBackground(true);
    QPalette holderColours = Holder->palette();
    holderColours.setColor(QPalette::Window, HolderGrey);
    Holder->setPalette(holderColours);
    Grid = new LetterGridView(Scaled(CellSize), Scaled(GridLineWidth), Holder);
    auto* holderLayout = new QVBoxLayout(Holder);
    holderLayout->setContentsMargins(Scaled(8), Scaled(8), Scaled(8), Scaled(8));
    holderLayout->addWidget(Grid);

    New = MakeButton(this, "New Grid");
    Previous = MakeButton(this, "Previous");
    Next = MakeButton(this, "Next");
    NoMore = MakeLabel(this, "No More", false);
    NoMore->setAlignment(Qt::AlignCenter);
    Specified = MakeButton(this, "Input Your Own Grid");
    SpecifyInfo = MakeLabel(this, TypeLettersText, false);
    QFont infoFont = SpecifyInfo->font();
    infoFont.setBold(true);
    SpecifyInfo->setFont(infoFont);
    InputtingInfo1 = MakeLabel(this,
                               "When inputting your own grid, type a letter into each grid location. You can change "
                               "the selected location by clicking with the left button of the mouse or using the "
                               "arrow keys.",
                               true);
    InputtingInfo2 =
        MakeLabel(this,
                  "Press the Backspace key to erase the letter in the previous location. Press the Delete key to clear "
                  "the grid.",
                  true);
    OK = MakeButton(this, "OK");
    Solve = MakeButton(this, "Solve");
    Help = MakeButton(this, "Help");
    CloseButton = MakeButton(this, "Close");

    auto* left = new QVBoxLayout;
    left->addWidget(GridNumber);
    left->addWidget(Holder);
    left->addStretch();
    auto* paging = new QHBoxLayout;
    paging->addWidget(Previous);
    paging->addWidget(Next);
    auto* right = new QVBoxLayout;
    right->addWidget(New);
    right->addLayout(paging);
    right->addWidget(NoMore);
    right->addSpacing(Scaled(8));
    right->addWidget(Specified);
    right->addWidget(SpecifyInfo);
    right->addWidget(InputtingInfo1);
    right->addWidget(InputtingInfo2);
    right->addWidget(OK);
    right->addStretch();
    right->addWidget(Solve);
    right->addSpacing(Scaled(16));
    right->addWidget(Help);
    right->addWidget(CloseButton);
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(Scaled(Margin), Scaled(Margin), Scaled(Margin), Scaled(Margin));
    columns->setSpacing(Scaled(16));
    columns->addLayout(left);
    auto* rightColumn = new QWidget(this);
    rightColumn->setFixedWidth(Scaled(ColumnWidth));
    rightColumn->setLayout(right);
    right->setContentsMargins(0, Scaled(28), 0, 0);
    columns->addWidget(rightColumn);

    Grid->CellText = [this](int cell) { return GridCellText(play_.Cells()[static_cast<std::size_t>(cell)]); };
    Grid->SelectedCell = [this] { return play_.SelectedCell(); };
    Grid->CellSelected = [this](int cell) {
        play_.SelectGridCell(cell);
        ShowState();
    };
    Grid->KeyDown = [this](QKeyEvent& event) { GridKeyDown(event); };
    const std::pair<QPushButton*, void (TBogglePlayer::*)()> buttons[] = {
        {New, &TBogglePlayer::NewClick},   {Previous, &TBogglePlayer::PreviousClick},
        {Next, &TBogglePlayer::NextClick}, {Specified, &TBogglePlayer::SpecifiedClick},
        {OK, &TBogglePlayer::OKClick},     {Solve, &TBogglePlayer::SolveClick},
        {Help, &TBogglePlayer::HelpClick}, {CloseButton, &TBogglePlayer::CloseButtonClick},
    };
    for (auto [button, handler] : buttons) connect(button, &QPushButton::clicked, this, handler);
    ShowState();
}

// ---- Opening and closing --------------------------------------------------------------

void TBogglePlayer::FormActivate() {
    GridGameActive = true;
    if (std::exchange(GridGameFromCommand, false))
        play_.ActivateFromCommand(CommandLine());
    else
        play_.FormActivate();
    ShowState();
    MoveFocus();
}

void TBogglePlayer::Activate() {
    const bool shown = isVisible();
    ShowModeless();
    if (shown) FormActivate();  // a first showing runs it itself
}

void TBogglePlayer::done(int result) {
    GridGameActive = false;
    QoraDialog::done(result);
    FocusWorkspace();
}

void TBogglePlayer::CloseButtonClick() { close(); }

void TBogglePlayer::HelpClick() {
    if (ShowHelp) ShowHelp();
}

// ---- The grid ---------------------------------------------------------------------------

void TBogglePlayer::NewClick() {
    play_.NewClick(RandomBelow);
    ShowState();
    MoveFocus();
}

void TBogglePlayer::PreviousClick() {
    play_.PreviousClick();
    ShowState();
}

void TBogglePlayer::NextClick() {
    play_.NextClick();
    ShowState();
}

void TBogglePlayer::SpecifiedClick() {
    play_.SpecifiedClick();
    ShowState();
    MoveFocus();
}

void TBogglePlayer::OKClick() {
    play_.OkClick();
    ShowState();
    MoveFocus();
}

void TBogglePlayer::GridKeyDown(QKeyEvent& event) {
    if (play_.GridKeyDown(KeyStrokeOf(event))) {
        close();
        return;
    }
    ShowState();
}

void TBogglePlayer::ShowCurrentGrid() {
    play_.ShowCurrentGrid();
    ShowState();
}

// The query is written for the user to perform; the window goes.
void TBogglePlayer::SolveClick() {
    const std::string text = play_.SolveText();
    if (text.empty() || !SolveAllowed()) return;
    close();
    if (WriteCommandLine) WriteCommandLine(text);
}

// ---- Showing the state -------------------------------------------------------------------

void TBogglePlayer::ShowState() {
    GridNumber->setText(FromCodePage(play_.GridNumberCaption()));
    GridNumber->setVisible(play_.GridNumberVisible());
    NoMore->setVisible(play_.NoMoreVisible());
    SpecifyInfo->setText(FromCodePage(play_.SpecifyInfoText()));
    SpecifyInfo->setVisible(play_.SpecifyInfoVisible());
    InputtingInfo1->setVisible(play_.HintsVisible());
    InputtingInfo2->setVisible(play_.HintsVisible());
    OK->setVisible(play_.OkVisible());
    Solve->setEnabled(SolveAllowed());
    Help->setEnabled(static_cast<bool>(ShowHelp));
    Grid->update();
}

bool TBogglePlayer::SolveAllowed() const { return play_.SolveEnabled() && (!CommandLineFree || CommandLineFree()); }

void TBogglePlayer::MoveFocus() {
    switch (play_.TakeFocus()) {
        case GridFocus::New: qora::MoveFocus(*New); break;
        case GridFocus::Solve: qora::MoveFocus(*Solve); break;
        case GridFocus::Grid: qora::MoveFocus(*Grid); break;
        case GridFocus::Unchanged: break;
    }
}

}  // namespace qora
