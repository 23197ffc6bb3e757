#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <cctype>

#include "engine/Definitions.h"
#include "engine/Flashcards.h"
#include "engine/Lexicons.h"
#include "engine/Listings.h"
#include "games/rules/GameWindows.h"
#include "mainwindow/Connections.h"
#include "mainwindow/DialogOpeners.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/Workspace.h"
#include "platform/ProgramState.h"
#include "platform/Scaling.h"
#include "platform/qt/Cursor.h"
#include "platform/qt/Dialogs.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Screen.h"
#include "platform/qt/Text.h"
#include "processor/CommandFiles.h"
#include "processor/CommandLine.h"
#include "processor/Console.h"
#include "processor/Executor.h"
#include "processor/FunctionKeys.h"
#include "processor/IniFile.h"
#include "processor/Recording.h"
#include "processor/Threads.h"

namespace qora {

TForm2* Form2 = nullptr;  // no-reset: the main window
bool ShowLeftTabs = true;
bool QueryOrPresentationPageShown = true;
std::int32_t RevertCountdown = 0;

namespace {

void ResetMainWindowState() {
    ShowLeftTabs = true;
    QueryOrPresentationPageShown = true;
    RevertCountdown = 0;
}

const ProgramStateReset registerResetMainWindowState(ResetMainWindowState);

constexpr char FatalLine[] = "QORA cannot run - click the mouse or press any key to exit.";
constexpr char CannotAugmentText[] =
    "The current command has an error, and thus you cannot augment the command by graphical interaction.";

// Sizes at 96 pixels per inch.
constexpr int MinimumWidth = 800;
constexpr int MinimumHeight = 575;
constexpr int ScreenPercent = 85;
constexpr int ColumnWidth = 280;
constexpr int DefinitionsHeight = 96;  // at most; half of it on a short window
constexpr int IndicatorsWidth = 170;
// The least the workspace shrinks to on a small screen.
constexpr int WorkspaceMinimumWidth = 240;
// The sound dialog's right edge this far inside the main window's.
constexpr int SoundDialogInset = 4;
// The challenge window as designed.
constexpr int ChallengeDesignWidth = 788;
constexpr int ChallengeDesignHeight = 498;

bool IsWordCharacter(unsigned char c) { return std::isalpha(c) || c == 0xD1 || c == 0xF1; }

// The run of letters around a column of a line ("" when there is none).
std::string WordAround(const std::string& line, std::size_t column) {
    if (column > line.size()) return {};
    std::size_t start = column;
    while (start > 0 && IsWordCharacter(static_cast<unsigned char>(line[start - 1]))) --start;
    std::size_t end = column;
    while (end < line.size() && IsWordCharacter(static_cast<unsigned char>(line[end]))) ++end;
    return line.substr(start, end - start);
}

}  // namespace

TForm2::TForm2() : QMainWindow(nullptr) {
    setWindowTitle(QStringLiteral("QORA"));
    CreateControls();
    menus_ = new MainMenus(*this);
    PlugCommandDialogs(*this);
    CreateStatusBar();
    RevertTimer = new QTimer(this);
    RevertTimer->setInterval(1000);
    connect(RevertTimer, &QTimer::timeout, this, &TForm2::RevertTimerTimer);
    qApp->installEventFilter(this);
    Form2 = this;
    WorkspaceEdit = Workspace;
}

TForm2::~TForm2() {
    qApp->removeEventFilter(this);
    if (Form2 == this) {
        Form2 = nullptr;
        WorkspaceEdit = nullptr;
    }
}

// ---- Controls --------------------------------------------------------------------

void TForm2::CreateControls() {
    auto* centre = new QWidget(this);
    auto* layout = new QHBoxLayout(centre);
    Workspace = new TWorkspace(centre);
    Workspace->OnKeyDown = [this](KeyStroke stroke) { return WorkspaceKeyDown(stroke); };
    Workspace->OnCommandLineEdited = [this] { RecheckCommandLine(); };
    Workspace->OnHistoryAppended = [this](std::int32_t) { history_->EntryAdded(); };
    Workspace->OnHistoryCleared = [this] { history_->Cleared(); };
    connect(Workspace, &TWorkspace::SizeInCharactersChanged, this, &TForm2::MeasureWorkspace);
    connect(Workspace, &QPlainTextEdit::cursorPositionChanged, this, &TForm2::ShowDefinitionAtCaret);
    leftColumn_ = CreateLeftColumn();
    QWidget* rightColumn = CreateRightColumn();
    // The pages are laid out for columns of this width.
    leftColumn_->setFixedWidth(Scaled(ColumnWidth));
    rightColumn->setFixedWidth(Scaled(ColumnWidth));
    Workspace->setMinimumWidth(Scaled(WorkspaceMinimumWidth));
    layout->addWidget(leftColumn_);
    layout->addWidget(Workspace, 1);
    layout->addWidget(rightColumn);
    setCentralWidget(centre);
    timerTab_ = new TimerPage(*this);
    Options->addTab(timerTab_, "&Timer");
    Controls = std::make_unique<MainControls>(*this, *QueryOrPresentation, *Options);
    offWhileBusy_ = {QueryOrPresentation, Command, MakeLongTerm, Challenge, &history_->CommandHistoryBox(), menuBar()};
}

QWidget* TForm2::CreateLeftColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    QueryOrPresentation = new QTabWidget(column);
    layout->addWidget(QueryOrPresentation, 1);

    auto* commandRow = new QHBoxLayout();
    Command = new QWidget(column);
    auto* commandLayout = new QHBoxLayout(Command);
    commandLayout->setContentsMargins(0, 0, 0, 0);
    Perform = new QPushButton(tr("&Perform"), Command);
    Check = new QPushButton(tr("Chec&k"), Command);
    Perform->setToolTip(tr("Perform the command line (Enter)"));
    Check->setToolTip(tr("Check the command line for errors (Ctrl+Enter)"));
    commandLayout->addWidget(Perform);
    commandLayout->addWidget(Check);
    MakeLongTerm = new QPushButton(QStringLiteral("!"), column);
    MakeLongTerm->setToolTip(tr("Make the settings just typed last for later commands"));
    commandRow->addWidget(Command, 1);
    commandRow->addWidget(MakeLongTerm);
    layout->addLayout(commandRow);
    for (QPushButton* button : {Perform, Check, MakeLongTerm}) button->setFocusPolicy(Qt::NoFocus);
    connect(Perform, &QPushButton::clicked, this, &TForm2::PerformClick);
    connect(Check, &QPushButton::clicked, this, &TForm2::CheckClick);
    connect(MakeLongTerm, &QPushButton::clicked, this, [this] {
        AppendToCommandLine("!");
        FocusWorkspace();
    });
    return column;
}

QWidget* TForm2::CreateRightColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    Challenge = new QPushButton(tr("&Challenge"), column);
    Challenge->setFocusPolicy(Qt::NoFocus);
    Challenge->setToolTip(tr("Open the challenge adjudication window (Esc)"));
    connect(Challenge, &QPushButton::clicked, this, [this] { ChallengeClick(Challenge); });
    layout->addWidget(Challenge);

    // The option pages take the height they ask for (they scroll when the
    // window is shorter); the definition (up to its full height) and the
    // command history share what is left.
    Options = new QTabWidget(column);
    layout->addWidget(Options);

    definitionsCaption_ = new QLabel(tr("Definition:"), column);
    layout->addWidget(definitionsCaption_);
    DefinitionsBox = new QPlainTextEdit(column);
    DefinitionsBox->setReadOnly(true);
    DefinitionsBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    DefinitionsBox->setMinimumHeight(Scaled(DefinitionsHeight / 2));
    DefinitionsBox->setMaximumHeight(Scaled(DefinitionsHeight));
    DefinitionsBox->setFocusPolicy(Qt::ClickFocus);
    DefinitionsBox->setToolTip(tr("The definition of the word at the workspace's caret"));
    layout->addWidget(DefinitionsBox, 1);

    historyCaption_ = new QLabel(tr("Command history:"), column);
    layout->addWidget(historyCaption_);
    history_ = new HistoryRecall(*this, *column);
    layout->addWidget(&history_->CommandHistoryBox(), 2);
    return column;
}

void TForm2::CreateStatusBar() {
    IndicatorsPanel = new QLabel(this);
    IndicatorsPanel->setFixedWidth(Scaled(IndicatorsWidth));
    MessagePanel = new QLabel(this);
    MessagePanel->setMinimumWidth(1);
    WorkspaceSizePanel = new QLabel(this);
    statusBar()->addWidget(IndicatorsPanel);
    statusBar()->addWidget(MessagePanel, 1);
    statusBar()->addPermanentWidget(WorkspaceSizePanel);
}

// ---- Size and measures -------------------------------------------------------------

void TForm2::SizeToScreen() {
    const QRect screenArea = screen()->availableGeometry();
    const QSize wanted(std::max(screenArea.width() * ScreenPercent / 100, Scaled(MinimumWidth)),
                       std::max(screenArea.height() * ScreenPercent / 100, Scaled(MinimumHeight)));
    // The least size gives way to a screen smaller than it.
    const QSize frame = OuterSizeOf(*this) - size();
    resize(wanted.boundedTo(screenArea.size()) - frame);
    PlaceWindow(*this, CenteredOn(*this, screenArea));
}

void TForm2::MeasureWorkspace() {
    const std::int32_t rows = Workspace->RowsInView();
    const std::int32_t columns = Workspace->ColumnsInView();
    WorkspaceRows = rows;
    WorkspaceColumns = columns;
    WorkspaceSizePanel->setText(FromCodePage(FormatText("Workspace window: %d rows x %d cols", rows, columns)));
}

void TForm2::SetWorkspaceFont(const QFont& font) {
    Workspace->setFont(font);
    MeasureWorkspace();
}

void TForm2::ShowLeftPages(bool shown) {
    ShowLeftTabs = shown;
    QueryOrPresentationPageShown = shown;
    ShowCommandAndLeftTabs();
    QTimer::singleShot(0, this, &TForm2::MeasureWorkspace);
}

// ---- Services ------------------------------------------------------------------------

void TForm2::ReportCannotAugment() {
    ShowStatusMessage(CannotAugmentText);
    FocusWorkspace();
}

void TForm2::AddLanguageSwitch(std::function<void()> action) { languageSwitches_.push_back(std::move(action)); }

void TForm2::AddListTabsRefresh(std::function<void()> action) { listTabsRefreshes_.push_back(std::move(action)); }

void TForm2::ApplyLexiconLanguage() {
    Controls->ApplyLexiconLanguage();
    for (const auto& action : languageSwitches_) action();
}

// What commands change: the lists of wordlists, word sources and sets.
void TForm2::RefreshListTabs() {
    Controls->RefreshAfterCommand();
    for (const auto& action : listTabsRefreshes_) action();
}

void TForm2::ShowLexiconCaption() {
    const LexiconRecord* primary = LexiconOfRole(PrimaryRole);
    if (primary == nullptr) return;
    std::string caption = "QORA - " + primary->ShortName;
    if (const LexiconRecord* secondary = LexiconOfRole(SecondaryRole)) caption += " / " + secondary->ShortName;
    setWindowTitle(FromCodePage(caption));
}

// ---- Dialog openers ------------------------------------------------------------------

void TForm2::PlugAction(std::initializer_list<QObject*> triggers, std::function<void()> action) {
    const auto act = [action = std::move(action)] {
        action();
        FocusWorkspace();
    };
    for (QObject* trigger : triggers) {
        if (auto* item = qobject_cast<QAction*>(trigger)) {
            item->setEnabled(true);
            connect(item, &QAction::triggered, this, act);
        } else if (auto* button = qobject_cast<QAbstractButton*>(trigger)) {
            button->setEnabled(true);
            connect(button, &QAbstractButton::clicked, this, act);
        }
    }
}

void TForm2::PlugDialog(ControlDialog dialog, std::initializer_list<QObject*> menuItems, DialogOpener opener) {
    controlDialogs_[dialog] = std::move(opener);
    Controls->SetDialogAvailable(dialog, true);
    PlugAction(menuItems, [this, dialog] { OpenDialog(DialogRequest{dialog}); });
}

void TForm2::PlugDialog(std::initializer_list<QObject*> menuItems, DialogOpener opener) {
    PlugAction(menuItems, [this, opener = std::move(opener)] { OpenDialog(opener); });
}

// A control's request; a dialog that is not plugged in yet is not opened.
void TForm2::OpenDialog(const DialogRequest& request) {
    const auto opener = controlDialogs_.find(request.Dialog);
    if (opener != controlDialogs_.end()) OpenDialog(opener->second, request);
    FocusWorkspace();
}

void TForm2::OpenDialog(const DialogOpener& opener, const DialogRequest& request) {
    QoraDialog* dialog = opener.DialogNow ? opener.DialogNow() : opener.Dialog;
    if (dialog == nullptr) return;
    if (CommandLineHasError && opener.OnError != DialogOpener::WhenLineHasError::Open) {
        if (opener.OnError == DialogOpener::WhenLineHasError::Refuse) ReportCannotAugment();
        return;
    }
    if (opener.Place) PlaceWindow(*dialog, opener.Place(*dialog));
    if (opener.Prepare) opener.Prepare(request);
    dialog->ShowModal();
    if (opener.Closed) opener.Closed();
}

QPoint TForm2::RightEdgeOneCaptionAbove(QWidget& dialog) {
    const QRect client = ScreenRectOf(*this);
    return RightEdgeAt(dialog, client.right() + 1, client.top() - CaptionHeight());
}

QPoint TForm2::RightEdgeAtWorkspaceTop(QWidget& dialog) {
    return RightEdgeAt(dialog, ScreenRectOf(*this).right() + 1, ScreenRectOf(*Workspace).top());
}

QPoint TForm2::AtWorkspaceTopLeft(QWidget&) { return ScreenRectOf(*Workspace).topLeft(); }

QPoint TForm2::LowerRightOfClientArea(QWidget& dialog) {
    return LowerRightAt(dialog, ScreenRectOf(*this).bottomRight() + QPoint(1, 1));
}

QPoint TForm2::CentredOnMainWindow(QWidget& dialog) { return CenteredOn(dialog, frameGeometry()); }

// ---- Status bar ----------------------------------------------------------------------

void TForm2::ShowStatusMessage(std::string_view text) { MessagePanel->setText(FromCodePage(text)); }

void TForm2::UpdateIndicators() {
    std::string indicators;
    if (FlashcardsActive()) indicators = "FLASHCARDS";
    if (RevertTimerOn && RevertTimer->isActive()) {
        if (!indicators.empty()) indicators += "  ";
        indicators += FormatText("REVERT %d", RevertCountdown);
    }
    IndicatorsPanel->setText(FromCodePage(indicators));
}

// ---- The command line ----------------------------------------------------------------

void TForm2::RecheckCommandLine() {
    if (!CommandLineEditable()) return;  // the line that runs was checked when it was performed
    HandleTypedCommandLine(false, false);
    Perform->setEnabled(controlsEnabled_ && !CommandLineHasError);
}

void TForm2::CheckClick() {
    if (!controlsEnabled_) return;
    ShowStatusMessage("");
    HandleTypedCommandLine(true, false);
    Perform->setEnabled(!CommandLineHasError);
    FocusWorkspace();
}

void TForm2::PerformClick() {
    if (!controlsEnabled_) return;
    RestartRevertCountdown();
    ShowStatusMessage("");
    Workspace->FlushPendingLines();
    ::qora::PerformCommandLine();
    history_->RecallFromNewest();
    // A command that ran at once has ended; a query shows its results later.
    if (controlsEnabled_) Controls->RefreshAfterCommand();
    FocusWorkspace();
}

void TForm2::PerformCommandLine() { PerformClick(); }

void TForm2::ReplaceCommandLine(std::string_view text) {
    SetCommandLine(text);
    Workspace->MoveCaretToCommandLineEnd();
    RecheckCommandLine();
}

void TForm2::PerformFunctionKey(int number) {
    const FunctionKey& key = FunctionKeys[number - 1];
    if (key.Replace) SetCommandLine("");
    AppendToCommandLine(key.Macro);
    Workspace->MoveCaretToCommandLineEnd();
    if (key.Run) PerformClick();
}

void TForm2::PerformLengthFilter(int length) {
    AppendToCommandLine(FormatText("/|=%d ", length));
    PerformClick();
}

bool TForm2::WorkspaceKeyDown(KeyStroke stroke) {
    if (!controlsEnabled_) {
        // While a query or command file runs only Esc counts: it stops them.
        if (stroke.key == KeyEscape) HandleEscape();
        return true;
    }
    RestartRevertCountdown();
    const int key = stroke.key;
    if (key == KeyEnter) {
        stroke.Ctrl() ? CheckClick() : PerformClick();
        return true;
    }
    if (key == KeyEscape) {
        if (!HandleEscape()) ChallengeClick(Workspace);
        return true;
    }
    if (key == KeyTab) {
        if (Workspace->CaretInCommandLine()) ChallengeClick(nullptr);
        return true;
    }
    if (key == KeyArrowUp || key == KeyArrowDown) {
        const int step = key == KeyArrowUp ? -1 : 1;
        if (stroke.Ctrl()) {
            Workspace->verticalScrollBar()->setValue(Workspace->verticalScrollBar()->value() + step);
            return true;
        }
        if (!Workspace->CaretInCommandLine() || stroke.Shift()) return false;
        history_->Recall(step);
        return true;
    }
    if (stroke.Ctrl() && !stroke.Alt() && key >= '1' && key <= '9') {
        PerformLengthFilter(key - '0');
        return true;
    }
    if (key >= KeyF1 && key <= KeyF12 && key != FunctionKeyCode(MenuFunctionKey) && stroke.shift == 0) {
        PerformFunctionKey(key - KeyF1 + 1);
        return true;
    }
    return false;
}

// ---- The definitions window ----------------------------------------------------------

void TForm2::ShowDefinitionAtCaret() {
    const std::string word = WordAround(Workspace->CaretLineText(), static_cast<std::size_t>(Workspace->CaretColumn()));
    const std::string* definition = word.empty() ? nullptr : FindDefinition(word);
    DefinitionsBox->setPlainText(definition ? FromCodePage(*definition) : QString());
}

// ---- While a query or command file runs ------------------------------------------------

// Acts only when the state changes: each change repaints the tab bars.
void TForm2::SetControlsEnabled(bool enabled) {
    if (startupFailed_ || enabled == controlsEnabled_) return;
    controlsEnabled_ = enabled;
    for (QWidget* control : offWhileBusy_) control->setEnabled(enabled);
    // The option pages' contents go off, not their tabs: the tab widget would
    // leave a disabled current tab for another page, and the page the user
    // chose must stay. The timer keeps running and stays at hand.
    for (int page = 0; page < Options->count(); ++page)
        if (Options->widget(page) != timerTab_) Options->widget(page)->setEnabled(enabled);
    Perform->setEnabled(enabled && !CommandLineHasError);
    Check->setEnabled(enabled);
    if (!enabled) return;
    // The query or command files that ran have ended.
    if (MessagePanel->text().startsWith(QStringLiteral("WORKING: "))) ShowStatusMessage("");
    history_->ShowNewRows();
    Controls->RefreshAfterCommand();
}

// ---- The Timer tab -------------------------------------------------------------------------

void TForm2::StartTimerFromCommand() {
    Options->setCurrentWidget(timerTab_);
    timerTab_->TimerStartClick();
}

// The dialog's right edge 4 pixels inside the main window's, its top level
// with the workspace's.
QPoint TForm2::SoundDialogPlace(QWidget& dialog) {
    const int rightEdge = ScreenRectOf(*this).left() + frameGeometry().width() - SoundDialogInset;
    return RightEdgeAt(dialog, rightEdge, ScreenRectOf(*Workspace).top());
}

void TForm2::SetRevertCountdown(std::int32_t seconds) {
    RevertCountdown = seconds;
    UpdateIndicators();
}

// ---- Start-up failure and the end --------------------------------------------------------

void TForm2::ShowFatalError(const std::string& reason) {
    WriteOutputLine(reason);
    WriteOutputLine(FatalLine);
    Workspace->FlushPendingLines();
    SetControlsEnabled(false);
    startupFailed_ = true;
    Workspace->setEnabled(false);
    Options->setEnabled(false);
    DefinitionsBox->setEnabled(false);
    RevertTimer->stop();
}

// no-reset: how the program ends, which tests replace
std::function<void(int status)> TForm2::QuitApplication = [](int status) { QCoreApplication::exit(status); };

void TForm2::ExitProgram(int status) {
    exitStatus_ = status;
    QuitApplication(status);
}

void TForm2::closeEvent(QCloseEvent* event) {
    event->accept();
    ExitProgram(startupFailed_ ? 1 : 0);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (startupFailed_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)) {
        ExitProgram(1);
        return true;
    }
    if (event->type() == QEvent::ToolTip && !menus_->HintsShown()) return true;
    return QMainWindow::eventFilter(watched, event);
}

// ---- Challenge adjudication --------------------------------------------------------------

void TForm2::ChallengeClick(QObject* sender) {
    if (ChallengeDlg == nullptr) return;
    if (sender == nullptr) ChallengeFromPromptLine = true;
    ReopenChallengeOnRestore = false;
    RevertTimer->stop();
    LayOutChallengeWindow();
    ChallengeDlg->ShowModal();
    if (ReopenChallengeOnRestore) {
        ChallengeDlgOpening = true;
        showMinimized();
    } else {
        RestartRevertCountdown();
    }
    UpdateIndicators();
    FocusWorkspace();
}

// Unlocked, the challenge window covers the main window; locked by a
// challenge command, the whole screen, so that nothing else can be reached.
void TForm2::LayOutChallengeWindow() {
    const QRect area = ChallengeByCommand != 0 ? screen()->availableGeometry() : frameGeometry();
    const QSize frame = OuterSizeOf(*ChallengeDlg) - ChallengeDlg->size();
    const QSize client = area.size() - frame;
    ChallengeDlg->setFixedSize(std::max(client.width(), Scaled(ChallengeDesignWidth)),
                               std::max(client.height(), Scaled(ChallengeDesignHeight)));
    PlaceWindow(*ChallengeDlg, area.topLeft());
}

void TForm2::AppRestore() {
    if (ReopenChallengeOnRestore) ChallengeClick(this);
}

void TForm2::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const bool minimised = isMinimized();
    if (wasMinimised_ && !minimised) QTimer::singleShot(0, this, &TForm2::AppRestore);
    wasMinimised_ = minimised;
}

void TForm2::RestartRevertCountdown() {
    if (RevertTimerOn && !GridGameActive && !WordBuildingGameOpen && !startupFailed_) {
        RevertCountdown = RevertSeconds;
        RevertTimer->start();
    }
    UpdateIndicators();
}

void TForm2::ApplyRevertOption() {
    if (RevertTimerOn)
        RestartRevertCountdown();
    else
        RevertTimer->stop();
    UpdateIndicators();
}

bool TForm2::ProgramIsActive() const { return QGuiApplication::applicationState() == Qt::ApplicationActive; }

bool TForm2::ReadyForRevert() const {
    return ProgramIsActive() && controlsEnabled_ && !SearchRunning && !PresentationRunning && !QueryThread().Busy() &&
           !CommandFileRunning() && QApplication::activeModalWidget() == nullptr;
}

// Counts down once a second; at 0 it opens the challenge window as soon as
// the program is idle and active.
void TForm2::RevertTimerTimer() {
    if (!RevertTimerOn) {
        RevertTimer->stop();
        UpdateIndicators();
        return;
    }
    if (RevertCountdown > 0) --RevertCountdown;
    UpdateIndicators();
    if (RevertCountdown > 0 || !ReadyForRevert()) return;
    RevertTimer->stop();
    ChallengeClick(RevertTimer);
}

// The parts on the right that the challenge window hides, with their captions.
std::vector<QWidget*> TForm2::RightHandParts() const {
    return {Challenge, Options, definitionsCaption_, DefinitionsBox, historyCaption_, &history_->CommandHistoryBox()};
}

void TForm2::HideMainParts() {
    for (QWidget* part : RightHandParts()) part->hide();
    QueryOrPresentation->hide();
    if (QueryOrPresentationPageShown) {
        Command->hide();
        MakeLongTerm->hide();
    }
}

void TForm2::ShowMainParts() {
    for (QWidget* part : RightHandParts()) part->show();
    ShowCommandAndLeftTabs();
}

void TForm2::ShowCommandAndLeftTabs() {
    Command->setVisible(QueryOrPresentationPageShown);
    MakeLongTerm->setVisible(QueryOrPresentationPageShown);
    QueryOrPresentation->setVisible(ShowLeftTabs);
    leftColumn_->setVisible(ShowLeftTabs || QueryOrPresentationPageShown);
}

void TForm2::ParkMouseOnChallengeButton() { ParkMousePointerOn(*Challenge); }

std::string TForm2::PromptLineWords() { return CommandLine(); }

}  // namespace qora
