#include "games/WordBuildingWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "engine/Listings.h"
#include "engine/TextFiles.h"
#include "engine/TileKeys.h"
#include "games/WordBuildingControls.h"
#include "games/WordBuildingGameDialogs.h"
#include "games/WordBuildingTiles.h"
#include "games/rules/GameWindows.h"
#include "games/rules/WordBuildingGridFiles.h"
#include "platform/Files.h"
#include "platform/Scaling.h"
#include "platform/qt/Clipboard.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Keys.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/Screen.h"
#include "platform/qt/Text.h"
#include "processor/Executor.h"
#include "processor/IniFile.h"

namespace qora {

TWordsmithDlg* WordsmithDlg = nullptr;  // no-reset: the window, made once and kept

namespace {

// The window as designed at 96 pixels per inch.
constexpr int DesignWidth = 1020;
constexpr int DesignHeight = 630;
constexpr int CellWidth = 56;
constexpr int CellHeight = 61;
constexpr int Margin = 8;
constexpr int PanelWidth = 320;
// The message line at the top of the right-hand panel, above the grid box
// (which shows while a typed grid's message does) and above the scores.
constexpr int MessageTop = 4;
constexpr int MessageHeight = 24;
constexpr int BelowMessage = MessageTop + MessageHeight + 4;
constexpr int AnswersRows = 16;

const QColor SolvingColour(134, 216, 197);
const QColor PlainColour(255, 255, 161);
const QColor InputInfoColour(255, 0, 0);

constexpr const char* ColumnKeyTexts[WordBuildingColumns] = {" 1", " 2", " 3", " 4", " 5",  " 6",
                                                             " 7", " 8", " 9", " 0", "  -", " ="};

WordBuildingPlayState& play = WordBuildingPlay;

void SetColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

std::string InputInfoText() { return SpanishLexiconActive ? "Type 96 tiles" : "Type 96 letters"; }

bool Playing() { return WordBuildingGameState == WordBuildingState::Playing; }

// The tile a key types into a grid being typed: A..Z without Ctrl; for
// Spanish also its letters, Ctrl+C, Ctrl+L, Ctrl+N, Ctrl+R and 1, 2, 3 for
// CH, LL and RR. 0 for none.
unsigned char GridInputTileOfKey(KeyStroke stroke, unsigned char character, Language language) {
    const bool spanish = language == Language::Spanish;
    if (spanish && character >= '1' && character <= '3') return GridInputTileOfChar(character, language);
    const bool ctrlTile =
        spanish && std::string_view("CLNR").find(static_cast<char>(stroke.key)) != std::string_view::npos;
    if ((stroke.Ctrl() && !ctrlTile) || stroke.Alt()) return 0;
    const TileKey key = FoldTileKey(stroke, language);
    return key.action == TileKeyAction::Tile ? static_cast<unsigned char>(TileBase + key.tile) : 0;
}

constexpr GameFileKind GridFileToSave = {
    DefaultGridFileName, "Grid files  (*.WBG)|*.WBG|Text files  (*.txt)|*.TXT|Any files  (*.*)|*.*", "WBG"};
constexpr GameFileKind GridFileToOpen = {
    DefaultGridFileName, "Grid Files  (*.WBG)|*.WBG|Text files  (*.txt)|*.TXT|Any files  (*.*)|*.*", "WBG"};

}  // namespace

TWordsmithDlg::TWordsmithDlg(QWidget* parent) : QoraDialog("Word-Building Game", DesignWidth, DesignHeight, parent) {
    setModal(false);
    setAutoFillBackground(true);
    CreateGridControls();
    CreatePlayControls();
    CreateSpecifyGridBox();
    CreateButtons();
    setFixedSize(SpecifyGridBox->geometry().right() + 1 + Scaled(Margin),
                 std::max(PressKey->geometry().bottom(), CloseButton->geometry().bottom()) + 1 + Scaled(Margin));
    DoneDlg = new TWordsmithDoneDlg(this);
    HelpDlg = new TWordsmithHelpDlg(this);
    DoneDlg->ShowHelp = [this] { HelpDlg->ShowModal(); };
    // Until it is first opened the window shows no grid and no game.
    GridNumber->hide();
    GridTimeStamp->hide();
    ShowIdleControls();
}

// ---- Building the controls ----------------------------------------------------------

void TWordsmithDlg::CreateGridControls() {
    const QSize cell(Scaled(CellWidth), Scaled(CellHeight));
    for (int column = 0; column < WordBuildingColumns; ++column) {
        QLabel* label = MakeLabel(this, ColumnKeyTexts[column],
                                  QRect(Scaled(Margin) + column * cell.width(), Scaled(4), cell.width(), Scaled(18)));
        label->setAlignment(Qt::AlignCenter);
        ColumnLabels.push_back(label);
    }
    Grid = new TileGridControl(WordBuildingColumns, WordBuildingRows, cell, true, this);
    Grid->move(Scaled(Margin), Scaled(24));
    Grid->TileAt = [](int column, int row) {
        return play.columns[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
    };
    Grid->IsSelected = [](int column, int row) { return column == play.selectedColumn && row == play.selectedRow; };
    Grid->CellClicked = [this](int column, int row) { GridClick(column, row); };
    Grid->KeyDown = [this](const QKeyEvent& event) { return GridKeyDown(event); };

    Answer = new TileGridControl(WordBuildingColumns, 1, cell, false, this);
    Answer->move(Scaled(Margin), Grid->geometry().bottom() + 1 + Scaled(Margin));
    Answer->TileAt = [](int column, int) {
        return column < play.wordLength() ? static_cast<unsigned char>(play.word[static_cast<std::size_t>(column)]) : 0;
    };
    const int panelLeft = Answer->geometry().right() + 1 + Scaled(12);
    WordLabel = MakeLabel(this, "<= Word being built",
                          QRect(panelLeft, Answer->geometry().center().y() - Scaled(10), Scaled(200), Scaled(20)));
    PressKey =
        MakeLabel(this,
                  "To choose a tile for the answer: type it or its column label (1,2,...-,=), or click it, "
                  "or press up-arrow for the selected tile",
                  QRect(Scaled(Margin), Answer->geometry().bottom() + 1 + Scaled(6), Answer->width(), Scaled(38)));
    PressKey->setWordWrap(true);
    PressKey->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TWordsmithDlg::CreatePlayControls() {
    const int x = Answer->geometry().right() + 1 + Scaled(12);
    const auto at = [x](int dx, int y, int width, int height) {
        return QRect(x + Scaled(dx), Scaled(y), Scaled(width), Scaled(height));
    };
    WordPossibility = MakeLabel(this, "", at(0, MessageTop, PanelWidth, MessageHeight));
    QFont bold = WordPossibility->font();
    bold.setBold(true);
    WordPossibility->setFont(bold);
    SetColour(*WordPossibility, QPalette::WindowText, QColor(192, 0, 0));
    WordScoreLabel = MakeLabel(this, "Potential Word Score:", at(0, 32, 184, 20));
    WordScore = MakeLabel(this, "  0", at(188, 32, 60, 20));
    TotalScoreLabel = MakeLabel(this, "Total Score:", at(0, 56, 184, 20));
    TotalScore = MakeLabel(this, "   0", at(188, 56, 60, 20));
    for (QLabel* value : {WordScore, TotalScore}) value->setFont(FixedPitchFont());
    Answers = new QComboBox(this);
    Answers->setGeometry(at(0, 84, PanelWidth, 26));
    Answers->setFont(FixedPitchFont());
    Answers->setMaxVisibleItems(AnswersRows);
    Answers->setFocusPolicy(Qt::NoFocus);

    RetractLetter = MakeButton(this, "Retract Last Tile", at(0, 122, 150, 26));
    PressSpace = MakeLabel(this, "in word or press SPACE or down-arrow", at(158, 118, 162, 36));
    PressSpace->setWordWrap(true);
    Accept = MakeButton(this, "Accept Word", at(0, 162, 150, 26));
    PressEnter = MakeLabel(this, "or press ENTER", at(158, 165, 162, 20));
    RetractWord = MakeButton(this, "Retract Last Word", at(0, 198, 150, 26));
    PressDel = MakeLabel(this, "or press DEL", at(158, 201, 162, 20));
    const std::pair<QPushButton*, void (TWordsmithDlg::*)()> playButtons[] = {
        {RetractLetter, &TWordsmithDlg::RetractLetterClick},
        {Accept, &TWordsmithDlg::AcceptClick},
        {RetractWord, &TWordsmithDlg::RetractWordClick},
    };
    for (auto [button, handler] : playButtons) {
        button->setFocusPolicy(Qt::NoFocus);  // the keys stay with the grid
        connect(button, &QPushButton::clicked, this, handler);
    }
}

void TWordsmithDlg::CreateSpecifyGridBox() {
    SpecifyGridBox = new QGroupBox(QStringLiteral("Specify a Grid"), this);
    SpecifyGridBox->setGeometry(Answer->geometry().right() + 1 + Scaled(12), Scaled(BelowMessage), Scaled(PanelWidth),
                                Scaled(324));
    QWidget* box = SpecifyGridBox;
    GridNumber = MakeLabel(box, "", Designed(10, 20, 300, 18));
    GridTimeStamp = MakeLabel(box, "", Designed(10, 40, 300, 18));
    New = MakeButton(box, "New Grid", Designed(10, 64, 146, 26));
    Same = MakeButton(box, "Same Grid", Designed(164, 64, 146, 26));
    Previous = MakeButton(box, "Previous", Designed(10, 96, 146, 26));
    Next = MakeButton(box, "Next", Designed(164, 96, 146, 26));
    Specified = MakeButton(box, "Input Your Own Grid", Designed(10, 128, 146, 26));
    OK = MakeButton(box, "OK", Designed(164, 128, 146, 26));
    CancelInput = MakeButton(box, "Cancel Grid Input", Designed(10, 160, 146, 26));
    SpecifyInfo = MakeLabel(box, "", Designed(10, 192, 300, 20));
    QFont bold = SpecifyInfo->font();
    bold.setBold(true);
    SpecifyInfo->setFont(bold);
    SetColour(*SpecifyInfo, QPalette::WindowText, InputInfoColour);
    CanPaste = MakeLabel(box, "You can press Ctrl-V to paste from the clipboard", Designed(10, 214, 300, 36));
    CanPaste->setWordWrap(true);
    Seek = MakeButton(box, "Seek a Grid from History", Designed(10, 256, 300, 26));
    Import = MakeButton(box, "Import Grid(s) from a File", Designed(10, 288, 300, 26));
    const std::pair<QPushButton*, void (TWordsmithDlg::*)()> buttons[] = {
        {New, &TWordsmithDlg::NewClick},
        {Same, &TWordsmithDlg::SameClick},
        {Previous, &TWordsmithDlg::PreviousClick},
        {Next, &TWordsmithDlg::NextClick},
        {Specified, &TWordsmithDlg::SpecifiedClick},
        {OK, &TWordsmithDlg::OKClick},
        {CancelInput, &TWordsmithDlg::CancelInputClick},
        {Seek, &TWordsmithDlg::SeekClick},
        {Import, &TWordsmithDlg::ImportClick},
    };
    for (auto [button, handler] : buttons) connect(button, &QPushButton::clicked, this, handler);
}

// Below the grid box.
void TWordsmithDlg::CreateButtons() {
    const int x = Answer->geometry().right() + 1 + Scaled(12);
    const int top = SpecifyGridBox->geometry().bottom() + 1;
    const auto at = [x, top](int dx, int y, int width, int height) {
        return QRect(x + Scaled(dx), top + Scaled(y), Scaled(width), Scaled(height));
    };
    History = MakeButton(this, "Show Noted Games History", at(0, 8, PanelWidth, 26));
    ExportCreate = MakeButton(this, "Export/Create This Grid", at(0, 40, PanelWidth, 26));
    ExportAppend = MakeButton(this, "Export/Append This Grid", at(0, 72, PanelWidth, 26));
    Play = MakeButton(this, "Play Game", at(0, 112, 156, 28));
    Solve = MakeButton(this, "Solve", at(164, 112, 156, 28));
    Help = MakeButton(this, "Help", at(0, 148, 156, 28));
    CloseButton = MakeButton(this, "Close", at(164, 148, 156, 28));
    const std::pair<QPushButton*, void (TWordsmithDlg::*)()> buttons[] = {
        {History, &TWordsmithDlg::HistoryClick},
        {ExportCreate, &TWordsmithDlg::ExportCreateClick},
        {ExportAppend, &TWordsmithDlg::ExportAppendClick},
        {Play, &TWordsmithDlg::PlayClick},
        {Solve, &TWordsmithDlg::SolveClick},
        {Help, &TWordsmithDlg::HelpClick},
        {CloseButton, &TWordsmithDlg::CloseButtonClick},
    };
    for (auto [button, handler] : buttons) connect(button, &QPushButton::clicked, this, handler);
}

// ---- Opening and closing -----------------------------------------------------------

void TWordsmithDlg::FormActivate() {
    activatedSpanish_ = SpanishLexiconActive != 0;
    WordBuildingGameOpen = true;
    ApplySolvingOption();
    if (WordBuildingLanguageWarningNeeded() && AskOkCancel(WordBuildingLanguageWarning()) != mrOk) {
        WordBuildingGameActivated = true;
        return;
    }
    ShowState();
    switch (WordBuildingGameState) {
        case WordBuildingState::TypingGrid:
        case WordBuildingState::Playing: Focus(Grid); return;
        case WordBuildingState::GridFormed:
        case WordBuildingState::SeekingFromGrid:
            Play->setText(QStringLiteral("Play Game"));
            EnableGridButtons();
            History->show();
            Seek->show();
            Focus(Play);
            return;
        case WordBuildingState::SeekingWithoutGrid:
            EnableGridButtons();
            History->show();
            Seek->show();
            Focus(New);
            return;
        case WordBuildingState::EndedNotNoted: LeaveEndedWordBuildingGame(); [[fallthrough]];
        case WordBuildingState::NotShown:
        case WordBuildingState::Idle: ShowIdle(); return;
        case WordBuildingState::EndedToBeNoted:
        case WordBuildingState::Solved: return;
    }
}

void TWordsmithDlg::ActivateAfresh() { FormActivate(); }

// Switching to the window from another of the program's windows activates it
// afresh only after a change of lexicon to or from Spanish since its last
// activation, so that the language warning comes once for each change rather
// than each time a message box closes.
void TWordsmithDlg::changeEvent(QEvent* event) {
    QoraDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && isActiveWindow() &&
        (SpanishLexiconActive != 0) != activatedSpanish_)
        FormActivate();
}

void TWordsmithDlg::ShowAfresh() {
    const bool shown = isVisible();
    ShowModeless();  // a hidden window opens afresh as it shows
    if (shown) ActivateAfresh();
}

void TWordsmithDlg::done(int result) {
    WordBuildingGameOpen = false;
    QoraDialog::done(result);
    FocusWorkspace();
}

void TWordsmithDlg::CloseButtonClick() { close(); }

void TWordsmithDlg::ApplySolvingOption() {
    SetColour(*this, QPalette::Window, WordBuildingSolvingAllowed ? SolvingColour : PlainColour);
    Solve->setVisible(WordBuildingSolvingAllowed);
}

// ---- Stages -------------------------------------------------------------------------

void TWordsmithDlg::ShowIdle() {
    ClearWordBuildingGrid();
    play.message.clear();
    ShowIdleControls();
    Focus(New);
}

void TWordsmithDlg::ShowIdleControls() {
    SetCaption("Word-Building Game");
    History->show();
    SpecifyGridBox->show();
    ShowGridButtons(true);
    EnableGridButtons();
    CanPaste->hide();
    CancelInput->hide();
    OK->hide();
    SpecifyInfo->hide();
    ExportCreate->hide();
    ExportAppend->hide();
    Play->setText(QStringLiteral("Play Game"));
    Play->setEnabled(false);
    Solve->setText(QStringLiteral("Solve"));
    Solve->setEnabled(false);
    ShowPlayControls(false);
    ShowState();
}

void TWordsmithDlg::ShowFormedGrid() {
    const WordBuildingGridEntry* entry = WordBuildingGrids.Current();
    if (entry == nullptr) return;
    GridNumber->setText(FromCodePage(FormatText("Grid Number: %4d", entry->number)));
    GridTimeStamp->setText(FromCodePage("Grid created " + FormatGameTime(entry->created)));
    GridNumber->show();
    GridTimeStamp->show();
    ExportCreate->show();
    ExportAppend->show();
    OK->hide();
    CancelInput->hide();
    Play->setText(QStringLiteral("Play Game"));
    Play->setEnabled(true);
    Solve->setText(QStringLiteral("Solve"));
    Solve->setEnabled(static_cast<bool>(OpenSolver));
    Previous->setEnabled(WordBuildingGrids.HasOlder());
    Next->setEnabled(WordBuildingGrids.HasNewer());
    SetCaption("Word-Building Game - Grid Formed, Ready to Play");
    ShowState();
    Focus(Play);
}

void TWordsmithDlg::ShowPlayControls(bool visible) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{PressKey, PressSpace, PressEnter, PressDel, RetractLetter, Accept, RetractWord,
                                         WordScoreLabel, WordScore, TotalScoreLabel, TotalScore, Answers})
        control->setVisible(visible);
}

void TWordsmithDlg::ShowGridButtons(bool visible) {
    for (QWidget* button : {New, Previous, Next, Same, Specified, Seek, Import}) button->setVisible(visible);
}

// Previous, Next and Same as the grid list allows; the history buttons when
// the history is there.
void TWordsmithDlg::EnableGridButtons() {
    New->setEnabled(true);
    Previous->setEnabled(WordBuildingGrids.HasOlder());
    Next->setEnabled(WordBuildingGrids.HasNewer());
    Same->setEnabled(WordBuildingGrids.lastPlayedGrid != NoGrid);
    Specified->setEnabled(true);
    Import->setEnabled(true);
    History->setEnabled(static_cast<bool>(OpenHistoryBrowser));
    Seek->setEnabled(static_cast<bool>(OpenHistoryBrowser));
}

void TWordsmithDlg::ShowState() {
    Grid->update();
    Answer->update();
    WordPossibility->setText(FromCodePage(play.message));
    WordPossibility->setVisible(!play.message.empty());
    WordScore->setText(FromCodePage(FormatText("%3d", play.potentialScore)));
    TotalScore->setText(FromCodePage(FormatText("%4d", play.totalScore())));
    ShowAnswers();
}

// The answers lines, the last one selected.
void TWordsmithDlg::ShowAnswers() {
    QStringList lines;
    for (const WordBuildingAnswer& answer : play.answers) lines << FromCodePage(AnswersLine(answer));
    Answers->clear();
    Answers->addItems(lines);
    Answers->setCurrentIndex(static_cast<int>(lines.size()) - 1);
}

void TWordsmithDlg::Focus(QWidget* control) {
    if (control->isVisible() && control->isEnabled()) MoveFocus(*control);
}

// ---- The grid buttons ---------------------------------------------------------------

void TWordsmithDlg::NewClick() {
    FormNewWordBuildingGrid();
    ShowFormedGrid();
}

void TWordsmithDlg::PreviousClick() {
    if (FormOlderWordBuildingGrid()) ShowFormedGrid();
}

void TWordsmithDlg::NextClick() {
    if (FormNewerWordBuildingGrid()) ShowFormedGrid();
}

void TWordsmithDlg::SameClick() {
    if (FormLastPlayedWordBuildingGrid()) ShowFormedGrid();
}

void TWordsmithDlg::SeekClick() {
    if (!OpenHistoryBrowser) return;
    WordBuildingGameState = WordBuildingGameState == WordBuildingState::GridFormed
                                ? WordBuildingState::SeekingFromGrid
                                : WordBuildingState::SeekingWithoutGrid;
    HistoryClick();
}

void TWordsmithDlg::HistoryClick() {
    if (!OpenHistoryBrowser) return;
    Seek->setEnabled(false);
    History->setEnabled(false);
    OpenHistoryBrowser();
}

// ---- Typing a grid ------------------------------------------------------------------

void TWordsmithDlg::SpecifiedClick() {
    StartGridInput();
    GridNumber->setText(
        FromCodePage(FormatText("Grid Number: %4d", static_cast<int>(WordBuildingGrids.entries.size()) + 1)));
    GridNumber->show();
    GridTimeStamp->hide();
    SpecifyInfo->show();
    for (QPushButton* control : {ExportCreate, ExportAppend, History, OK}) control->hide();
    ShowGridButtons(false);
    CancelInput->show();
    CanPaste->show();
    // The grid formed before is no longer current: it cannot be played or solved now.
    Play->setEnabled(false);
    Solve->setEnabled(false);
    SetCaption("Word-Building Game - Specify a Grid");
    AfterGridInput();
    Focus(Grid);
}

// OK is offered only while every cell holds a tile.
void TWordsmithDlg::AfterGridInput() {
    const bool full = GridInputFull();
    SpecifyInfo->setText(FromCodePage(full ? "Click OK to end inputing" : InputInfoText()));
    OK->setVisible(full);
    ShowState();
}

bool TWordsmithDlg::GridInputKeyDown(const QKeyEvent& event) {
    const KeyStroke stroke = KeyStrokeOf(event);
    switch (stroke.key) {
        case KeyBackspace: GridInputBackspace(); break;
        case KeyDelete: ClearGridInput(); break;
        case KeyArrowLeft: SelectGridCell(play.selectedColumn - 1, play.selectedRow); break;
        case KeyArrowRight: SelectGridCell(play.selectedColumn + 1, play.selectedRow); break;
        case KeyArrowUp: SelectGridCell(play.selectedColumn, play.selectedRow - 1); break;
        case KeyArrowDown: SelectGridCell(play.selectedColumn, play.selectedRow + 1); break;
        default: {
            if (stroke.Ctrl() && stroke.key == 'V') {
                PasteGridText(ClipboardText());
                break;
            }
            const unsigned char tile = GridInputTileOfKey(stroke, KeyCharOf(event), ActiveLanguage());
            if (tile == 0) return false;
            TypeGridTile(tile);
        }
    }
    AfterGridInput();
    return true;
}

void TWordsmithDlg::OKClick() {
    if (!EndGridInput()) return;
    SpecifyInfo->hide();
    CancelInput->hide();
    CanPaste->hide();
    ShowGridButtons(true);
    History->hide();  // until the window is opened again
    Import->hide();
    EnableGridButtons();
    ShowFormedGrid();
}

void TWordsmithDlg::CancelInputClick() {
    CancelGridInput();
    SpecifyInfo->hide();
    ActivateAfresh();
}

// ---- Play -----------------------------------------------------------------------------

void TWordsmithDlg::PlayClick() {
    if (Playing()) {
        EndGame();
        return;
    }
    if (WordBuildingGrids.Current() == nullptr) return;
    for (QWidget* control : std::initializer_list<QWidget*>{ExportCreate, ExportAppend, History, SpecifyGridBox})
        control->hide();
    Play->setText(QStringLiteral("End Game"));
    Solve->setText(QStringLiteral("Highest Word"));
    Solve->setEnabled(static_cast<bool>(FindHighestWord));
    PlayWordBuildingGame();
    ShowPlayControls(true);
    SetCaption("Word-Building Game - Playing");
    ShowState();
    Focus(Grid);
}

void TWordsmithDlg::SolveClick() {
    if (Playing())
        TakeHighestWord();
    else if (OpenSolver)
        OpenSolver();
}

// The best word's tiles after those of the word being built are taken as
// their column keys would take them; the player may then accept it.
void TWordsmithDlg::TakeHighestWord() {
    if (!FindHighestWord) return;
    const std::vector<int> columns = FindHighestWord();
    if (columns.empty())
        ShowWarning("There are no possible words of length 3-12 to form!");
    else
        for (std::size_t i = static_cast<std::size_t>(play.wordLength()); i < columns.size(); ++i)
            TakeColumnByKey(columns[i]);
    AfterPlay();
}

void TWordsmithDlg::RetractLetterClick() {
    RetractLastTile();
    AfterPlay();
}

void TWordsmithDlg::AcceptClick() {
    AcceptWord();
    AfterPlay();
}

void TWordsmithDlg::RetractWordClick() {
    RetractLastWord();
    AfterPlay();
}

void TWordsmithDlg::AfterPlay() {
    ShowState();
    Focus(Grid);
}

bool TWordsmithDlg::PlayKeyDown(const QKeyEvent& event) {
    const KeyStroke stroke = KeyStrokeOf(event);
    const Language language = ActiveLanguage();
    switch (stroke.key) {
        case KeyBackspace:
        case KeySpace:
        case KeyArrowDown: RetractLastTile(); break;
        case KeyEnter: AcceptWord(); break;
        case KeyDelete: RetractLastWord(); break;
        case KeyArrowUp: TakeSelectedColumn(); break;
        case KeyArrowLeft: SelectNearestColumn(-1); break;
        case KeyArrowRight: SelectNearestColumn(+1); break;
        default: {
            const int column = stroke.Ctrl() || stroke.Alt() ? NoColumn : ColumnOfLabelKey(KeyCharOf(event));
            if (column != NoColumn) {
                TakeColumnByKey(column);
                break;
            }
            if ((stroke.Ctrl() && language != Language::Spanish) || stroke.Alt()) return false;
            const TileKey key = FoldTileKey(stroke, language);
            if (key.action != TileKeyAction::Tile) return false;
            TakeTypedTile(static_cast<unsigned char>(TileBase + key.tile));
        }
    }
    ShowState();
    return true;
}

bool TWordsmithDlg::GridKeyDown(const QKeyEvent& event) {
    if (play.inputMode) return GridInputKeyDown(event);
    if (Playing()) return PlayKeyDown(event);
    return false;
}

void TWordsmithDlg::GridClick(int column, int row) {
    if (play.inputMode) {
        SelectGridCell(column, row);
        ShowState();
    } else if (Playing()) {
        ClickColumn(column);
        ShowState();
    }
}

void TWordsmithDlg::keyPressEvent(QKeyEvent* event) {
    const KeyStroke stroke = KeyStrokeOf(*event);
    if (play.inputMode && stroke.Ctrl() && stroke.key == 'V') {
        PasteGridText(ClipboardText());
        AfterGridInput();
        return;
    }
    QoraDialog::keyPressEvent(event);
}

// Asks how to end the game, again after each grid export, until a choice
// ends the dialog; the game goes on after Cancel or "No, continue playing".
void TWordsmithDlg::EndGame() {
    EndWordBuildingGame();
    for (;;) {
        DoneDlg->Prepare(EndGameNotices(play.wordLength(), TilesLeftInGrid()), static_cast<bool>(OpenHistoryDialog));
        PlaceWindow(*DoneDlg, mapToGlobal(QPoint(Scaled(80), Scaled(60))));
        if (DoneDlg->ShowModal() != mrOk) break;
        const EndGameChoice choice = DoneDlg->Choice();
        if (choice == EndGameChoice::ExportCreateGrid || choice == EndGameChoice::ExportAppendGrid) {
            ExportGridDialog(choice == EndGameChoice::ExportAppendGrid);
            continue;
        }
        if (choice == EndGameChoice::EndWithoutNote) WordBuildingGameState = WordBuildingState::EndedNotNoted;
        if (choice == EndGameChoice::EndAndNote) WordBuildingGameState = WordBuildingState::EndedToBeNoted;
        break;
    }
    if (WordBuildingGameState == WordBuildingState::EndedToBeNoted && OpenHistoryDialog)
        OpenHistoryDialog(SnapshotWordBuildingGame());
    else
        ActivateAfresh();
}

void TWordsmithDlg::HelpClick() {
    PlaceWindow(*HelpDlg, CenteredOn(*HelpDlg, ScreenRectOf(*this)));
    HelpDlg->ShowModal();
    Focus(Grid);
}

// ---- Grid files ---------------------------------------------------------------------

void TWordsmithDlg::ExportGridDialog(bool append) {
    const WordBuildingGridEntry* entry = WordBuildingGrids.Current();
    if (entry == nullptr) return;
    std::string text;
    WriteGridRecord(text, entry->letters, entry->created, entry->spanish);
    text += "\n";
    ExportGameFile(this,
                   {GridFileToSave, "Export (%s) Word-Building Game Grid", "grid",
                    "Cannot open %s to record a Word-Building Game grid"},
                   append, text);
}

void TWordsmithDlg::ImportClick() {
    FileDialog dialog = GameFileDialog(FileDialog::Kind::Open, "Import Word-Building Game Grids", GridFileToOpen);
    if (!dialog.Execute(this)) return;
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(dialog.FileName, bytes, error, MaxGridFileSize)) {
        ShowWarning(FormatText("Cannot open %s to import Word-Building Game grids", dialog.FileName.c_str()));
    } else {
        std::string refusal;
        const int read = ImportGrids(bytes, refusal);
        ShowInformation(FormatText(" %d Word-Building Game grid%s been imported from file %s", read,
                                   read == 1 ? " has" : "s have", dialog.FileName.c_str()));
    }
    ActivateAfresh();
}

int TWordsmithDlg::ImportGrids(std::string_view bytes, std::string& refusal) {
    const GridFileImport import = ReadWordBuildingGrids(bytes);
    refusal = import.refusal;
    if (!import.warning.empty()) ShowWarning(import.warning);
    if (import.read > 0) ShowFormedGrid();
    return import.read;
}

std::int32_t ImportWordBuildingGridsByCommand(std::string_view bytes, std::string& refusal) {
    if (WordsmithDlg != nullptr) return WordsmithDlg->ImportGrids(bytes, refusal);
    const GridFileImport import = ReadWordBuildingGrids(bytes);
    refusal = import.refusal;
    if (!import.warning.empty()) ShowWarning(import.warning);
    return import.read;
}

}  // namespace qora
