// The main window's menus and the handlers of the items that act directly.
// Items that open a dialog stay disabled until the dialog is plugged in
// (TForm2::PlugDialog).
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QTimer>

#include "dialogs/ClearDialog.h"
#include "dialogs/FunctionKeysDialog.h"
#include "dialogs/LexiconDialog.h"
#include "dialogs/NewInitializationFileDialog.h"
#include "dialogs/RecordingPeriodsDialog.h"
#include "dialogs/RevertToChallengeDialog.h"
#include "games/ChallengeWindow.h"
#include "games/LetterGridWindow.h"
#include "games/WordBuildingWindow.h"
#include "games/rules/GameWindows.h"
#include "mainwindow/About.h"
#include "mainwindow/DialogOpeners.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Workspace.h"
#include "platform/qt/ColorDialog.h"
#include "platform/qt/FileDialogs.h"
#include "platform/qt/Focus.h"
#include "platform/qt/FontDialog.h"
#include "platform/qt/Screen.h"
#include "processor/Console.h"
#include "processor/Executor.h"
#include "processor/IniFile.h"
#include "processor/Recording.h"

namespace qora {

namespace {

// An item that opens a window: disabled until the window is plugged in (a
// window that is never plugged in leaves it disabled, as "Play 15 x 15 Game...").
QAction* DialogItem(QMenu* menu, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setEnabled(false);
    return item;
}

QAction* Toggle(QMenu* menu, const QString& caption, bool checked) {
    QAction* item = menu->addAction(caption);
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

// Two exclusive items "On" and "Off" in a submenu.
std::pair<QAction*, QAction*> OnOffItems(QMenu* menu, bool on) {
    auto* group = new QActionGroup(menu);
    QAction* onItem = Toggle(menu, QObject::tr("&On"), on);
    QAction* offItem = Toggle(menu, QObject::tr("O&ff"), !on);
    group->addAction(onItem);
    group->addAction(offItem);
    return {onItem, offItem};
}

}  // namespace

void TForm2::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    MenuFileExecute = file->addAction(tr("&Execute Command File..."), this, &TForm2::MenuFileExecuteClick);
    MenuImportWordlists = DialogItem(file, tr("&Import Wordlist..."));
    file->addSeparator();
    MenuPrint = DialogItem(file, tr("&Print..."));
    MenuPageSetup = DialogItem(file, tr("Page Set&up..."));
    file->addSeparator();
    MenuNewIniFile = DialogItem(file, tr("&New Initialization File..."));
    file->addSeparator();
    MenuExit = file->addAction(tr("E&xit"), this, [this] { ExitProgram(0); });

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    MenuCut = edit->addAction(tr("Cu&t\tCtrl+X"), this, [this] { Workspace->CutToClipboard(); });
    MenuCopy = edit->addAction(tr("&Copy\tCtrl+C"), this, [this] { Workspace->CopyToClipboard(); });
    MenuPaste = edit->addAction(tr("&Paste\tCtrl+V"), this, [this] {
        Workspace->PasteFromClipboard();
        FocusWorkspace();
    });

    QMenu* query = menuBar()->addMenu(tr("Q&uery"));
    MenuAugmentLetter = DialogItem(query, tr("&Letter/Blank/Set..."));
    MenuRackLetter = DialogItem(query, tr("&Rack Letter/Blank..."));
    MenuAugmentWord = DialogItem(query, tr("&Word/Subword..."));
    MenuWordPresence = DialogItem(query, tr("Word/String &Presence..."));
    query->addSeparator();
    MenuShowDefns = DialogItem(query, tr("&Show Definitions Based on Their Contents..."));
    MenuLetterMapping = DialogItem(query, tr("Letter &Mapping..."));

    QMenu* sets = menuBar()->addMenu(tr("&Sets"));
    MenuDefineSet = DialogItem(sets, tr("&Define Set..."));
    MenuLabelSet = DialogItem(sets, tr("&Label Set..."));

    QMenu* wordlists = menuBar()->addMenu(tr("&Wordlists"));
    MenuWordlistsDeleteItem = DialogItem(wordlists, tr("Delete &Item(s)..."));
    MenuWordlistsCopyItem = DialogItem(wordlists, tr("&Copy Item(s)..."));
    MenuWordlistsMoveItem = DialogItem(wordlists, tr("&Move Item(s)..."));
    wordlists->addSeparator();
    MenuLabelWordlist = DialogItem(wordlists, tr("&Label Wordlist..."));
    MenuAppendRandomRacks = DialogItem(wordlists, tr("Append &Random Racks..."));

    QMenu* flashcards = menuBar()->addMenu(tr("Flashcar&ds"));
    MenuFlashcardDelete = DialogItem(flashcards, tr("&Delete Current Card"));
    MenuFlashcardCopy = DialogItem(flashcards, tr("&Copy Current Card"));
    QMenu* move = flashcards->addMenu(tr("&Move Current Card"));
    MenuMoveToSomewhere = DialogItem(move, tr("To Somewhere Else"));

    QMenu* settings = menuBar()->addMenu(tr("Setti&ngs"));
    MenuLexicons = DialogItem(settings, tr("&Lexicons..."));
    MenuClearAll = DialogItem(settings, tr("&Clear..."));
    settings->addSeparator();
    MenuFunctionKeys = DialogItem(settings, tr("&Function Keys..."));
    MenuRecordingPeriods = DialogItem(settings, tr("&Recording Periods..."));

    QMenu* games = menuBar()->addMenu(tr("&Games"));
    MenuChallenge = games->addAction(tr("&Challenge"), this, [this] { ChallengeClick(MenuChallenge); });
    InterimChallenges = games->addMenu(tr("&Lexicon Transition Challenges"));
    std::tie(MenuInterimChallengesOn, MenuInterimChallengesOff) = OnOffItems(InterimChallenges, InterimChallengesOn);
    connect(MenuInterimChallengesOn, &QAction::triggered, this, [this] { MenuInterimChallengesClick(true); });
    connect(MenuInterimChallengesOff, &QAction::triggered, this, [this] { MenuInterimChallengesClick(false); });
    QMenu* recording = games->addMenu(tr("&Record Challenged Words"));
    std::tie(MenuRecordingOn, MenuRecordingOff) = OnOffItems(recording, RecordingOn);
    connect(MenuRecordingOn, &QAction::triggered, this, [this] { MenuRecordingClick(true); });
    connect(MenuRecordingOff, &QAction::triggered, this, [this] { MenuRecordingClick(false); });
    MenuRevertToChallenge = DialogItem(games, tr("Re&vert to Challenge..."));
    // The switches may have changed since (start-up, commands): show them as they are.
    connect(games, &QMenu::aboutToShow, this, [this] {
        MenuInterimChallengesOn->setChecked(InterimChallengesOn);
        MenuInterimChallengesOff->setChecked(!InterimChallengesOn);
        MenuRecordingOn->setChecked(RecordingOn);
        MenuRecordingOff->setChecked(!RecordingOn);
        MenuWordBuildingSolving->setChecked(WordBuildingSolvingAllowed);
    });
    games->addSeparator();
    MenuBigBoggle = games->addAction(tr("&5 x 5 Game..."), this, [this] { MenuBigBoggleClick(MenuBigBoggle); });
    MenuWordsmith = games->addAction(tr("&Word-Building Game..."), this, &TForm2::MenuWordsmithClick);
    MenuWordBuildingSolving = Toggle(games, tr("Word-Building &Solving Allowed"), WordBuildingSolvingAllowed);
    connect(MenuWordBuildingSolving, &QAction::triggered, this, &TForm2::MenuWordBuildingSolvingClick);
    MenuPlay15 = DialogItem(games, tr("Play 15 x 15 Game..."));  // nothing enables it

    QMenu* view = menuBar()->addMenu(tr("&View"));
    MenuWorkspaceFont = view->addAction(tr("Workspace &Font..."), this, &TForm2::MenuWorkspaceFontClick);
    QMenu* colours = view->addMenu(tr("&Colours"));
    MenuTextColour = colours->addAction(tr("&Text..."));
    MenuBackgroundColour = colours->addAction(tr("&Background..."));
    MenuBlankColour = colours->addAction(tr("&Letters Matched by Blanks..."));
    for (QAction* item : {MenuTextColour, MenuBackgroundColour, MenuBlankColour})
        connect(item, &QAction::triggered, this, [this, item] { MenuColourClick(item); });
    view->addSeparator();
    MenuWordWrap = Toggle(view, tr("&Word Wrap"), Workspace->lineWrapMode() != QPlainTextEdit::NoWrap);
    connect(MenuWordWrap, &QAction::toggled, this, &TForm2::MenuWordWrapClick);
    MenuShowHints = Toggle(view, tr("&Hints"), showHints_);
    connect(MenuShowHints, &QAction::toggled, this, &TForm2::MenuShowHintsClick);
    MenuLeftTabs = Toggle(view, tr("&Left Tabs"), ShowLeftTabs);
    connect(MenuLeftTabs, &QAction::toggled, this, &TForm2::MenuLeftTabsClick);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    MenuHelpContents = DialogItem(help, tr("&Contents..."));
    MenuHelpAdjudications = DialogItem(help, tr("&Tournament Adjudications..."));
    help->addSeparator();
    MenuAbout = DialogItem(help, tr("&About QORA..."));
    PlugSmallDialogs();
    PlugCommandDialogs(*this);
}

// The dialogs that act directly, each opened centred on the window.
void TForm2::PlugSmallDialogs() {
    PlugAction({MenuLexicons}, [this] { ShowLexiconDialog(this); });
    PlugAction({MenuClearAll}, [this] { ShowClearDialog(this); });
    PlugAction({MenuNewIniFile}, [this] { ShowNewIniFileDialog(this); });
    PlugAction({MenuFunctionKeys}, [this] { ShowFunctionKeyDialog(this); });
    PlugAction({MenuRecordingPeriods}, [this] { ShowTimePeriodsDialog(this); });
    PlugAction({MenuAbout}, [this] { ShowAboutDialog(this); });
    PlugAction({MenuRevertToChallenge}, [this] {
        if (ShowRevertDialog(this)) ApplyRevertOption();
    });
}

// ---- Items that act directly ------------------------------------------------------

// Runs a command file: the command "/X" with the chosen file is performed on a
// fresh command line.
void TForm2::MenuFileExecuteClick() {
    FileDialog dialog(FileDialog::Kind::Open);
    dialog.Title = "Execute Command File";
    dialog.Filter = "Command files (*.cmd)|*.cmd|Any files (*.*)|*.*";
    dialog.DefaultExt = "cmd";
    dialog.InitialDir = DefaultDirectoryName;
    if (dialog.Execute(this)) {
        NewCommandLine("/X\"" + dialog.FileName + "\"");
        Workspace->MoveCaretToCommandLineEnd();
        PerformClick();
    }
    FocusWorkspace();
}

void TForm2::MenuInterimChallengesClick(bool on) { InterimChallengesOn = on; }

// Shows the 5 x 5 game window over the main window without waiting (it
// stays on top of it); a sender (the menu item) means no grid command asked.
void TForm2::MenuBigBoggleClick(QObject* sender) {
    if (BogglePlayer == nullptr) return;
    if (sender != nullptr) GridGameFromCommand = false;
    if (!BogglePlayer->isVisible()) PlaceWindow(*BogglePlayer, CentredOnMainWindow(*BogglePlayer));
    BogglePlayer->Activate();
}

// Shows the Word-Building Game window over the main window without waiting;
// a window that is open already comes to the front and opens afresh.
void TForm2::MenuWordsmithClick() {
    if (WordsmithDlg == nullptr) return;
    WordBuildingGameActivated = false;
    if (WordsmithDlg->isVisible()) {
        WordsmithDlg->ShowModeless();
        WordsmithDlg->ActivateAfresh();
        return;
    }
    PlaceWindow(*WordsmithDlg, CentredOnMainWindow(*WordsmithDlg));
    WordsmithDlg->ShowModeless();
}

void TForm2::MenuWordBuildingSolvingClick(bool on) {
    WordBuildingSolvingAllowed = on;
    if (WordsmithDlg != nullptr) WordsmithDlg->ApplySolvingOption();
}

void TForm2::MenuRecordingClick(bool on) {
    const std::string fileName = SetChallengeRecording(on);
    ShowStatusMessage(on ? "Challenged words are now being recorded in file: " + fileName
                         : std::string("Challenged words are NOT being recorded now."));
}

// The revert-to-challenge option as the dialog left it.
void TForm2::ApplyRevertOption() {
    if (RevertTimerOn)
        RestartRevertCountdown();
    else
        RevertTimer->stop();
    UpdateIndicators();
}

void TForm2::MenuWorkspaceFontClick() {
    FontDialog dialog;
    dialog.Font = Workspace->font();
    dialog.FixedPitchOnly = true;
    if (dialog.Execute(this)) SetWorkspaceFont(dialog.Font);
    FocusWorkspace();
}

void TForm2::MenuColourClick(QAction* item) {
    QPalette colours = Workspace->palette();
    const QPalette::ColorRole role = item == MenuBackgroundColour ? QPalette::Base : QPalette::Text;
    ColorDialog& dialog = ProgramColorDialog();
    dialog.Color = item == MenuBlankColour ? Workspace->BlankMatchedColour() : colours.color(role);
    if (dialog.Execute(this)) {
        if (item == MenuBlankColour) {
            Workspace->SetBlankMatchedColour(dialog.Color);
        } else {
            colours.setColor(role, dialog.Color);
            Workspace->setPalette(colours);
        }
    }
    FocusWorkspace();
}

void TForm2::MenuWordWrapClick(bool on) {
    Workspace->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TForm2::MenuShowHintsClick(bool on) { showHints_ = on; }

void TForm2::MenuLeftTabsClick(bool on) {
    ShowLeftTabs = on;
    QueryOrPresentationPageShown = on;
    ShowCommandAndLeftTabs();
    QTimer::singleShot(0, this, &TForm2::MeasureWorkspace);
}

}  // namespace qora
