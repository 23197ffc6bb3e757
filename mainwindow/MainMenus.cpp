#include "mainwindow/MainMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>

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

MainMenus::MainMenus(TForm2& form) : QObject(&form), form_(form) {
    CreateFileMenu();
    CreateEditMenu();
    CreateQueryAndSetsMenus();
    CreateWordlistsAndFlashcardsMenus();
    CreateSettingsMenu();
    CreateGamesMenu();
    CreateViewMenu();
    CreateHelpMenu();
    PlugSmallDialogs();
}

void MainMenus::CreateFileMenu() {
    QMenu* file = form_.menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Execute Command File..."), this, &MainMenus::MenuFileExecuteClick);
    MenuImportWordlists = DialogItem(file, tr("&Import Wordlist..."));
    file->addSeparator();
    MenuPrint = DialogItem(file, tr("&Print..."));
    MenuPageSetup = DialogItem(file, tr("Page Set&up..."));
    file->addSeparator();
    MenuNewIniFile = DialogItem(file, tr("&New Initialization File..."));
    file->addSeparator();
    file->addAction(tr("E&xit"), this, [this] { form_.ExitProgram(0); });
}

void MainMenus::CreateEditMenu() {
    QMenu* edit = form_.menuBar()->addMenu(tr("&Edit"));
    TWorkspace& workspace = *form_.Workspace;
    edit->addAction(tr("Cu&t\tCtrl+X"), this, [&workspace] { workspace.CutToClipboard(); });
    edit->addAction(tr("&Copy\tCtrl+C"), this, [&workspace] { workspace.CopyToClipboard(); });
    edit->addAction(tr("&Paste\tCtrl+V"), this, [&workspace] {
        workspace.PasteFromClipboard();
        FocusWorkspace();
    });
}

void MainMenus::CreateQueryAndSetsMenus() {
    QMenu* query = form_.menuBar()->addMenu(tr("Q&uery"));
    MenuAugmentLetter = DialogItem(query, tr("&Letter/Blank/Set..."));
    MenuRackLetter = DialogItem(query, tr("&Rack Letter/Blank..."));
    MenuAugmentWord = DialogItem(query, tr("&Word/Subword..."));
    MenuWordPresence = DialogItem(query, tr("Word/String &Presence..."));
    query->addSeparator();
    MenuShowDefns = DialogItem(query, tr("&Show Definitions Based on Their Contents..."));
    MenuLetterMapping = DialogItem(query, tr("Letter &Mapping..."));

    QMenu* sets = form_.menuBar()->addMenu(tr("&Sets"));
    MenuDefineSet = DialogItem(sets, tr("&Define Set..."));
    MenuLabelSet = DialogItem(sets, tr("&Label Set..."));
}

void MainMenus::CreateWordlistsAndFlashcardsMenus() {
    QMenu* wordlists = form_.menuBar()->addMenu(tr("&Wordlists"));
    MenuWordlistsDeleteItem = DialogItem(wordlists, tr("Delete &Item(s)..."));
    MenuWordlistsCopyItem = DialogItem(wordlists, tr("&Copy Item(s)..."));
    MenuWordlistsMoveItem = DialogItem(wordlists, tr("&Move Item(s)..."));
    wordlists->addSeparator();
    MenuLabelWordlist = DialogItem(wordlists, tr("&Label Wordlist..."));
    MenuAppendRandomRacks = DialogItem(wordlists, tr("Append &Random Racks..."));

    QMenu* flashcards = form_.menuBar()->addMenu(tr("Flashcar&ds"));
    MenuFlashcardDelete = DialogItem(flashcards, tr("&Delete Current Card"));
    MenuFlashcardCopy = DialogItem(flashcards, tr("&Copy Current Card"));
    QMenu* move = flashcards->addMenu(tr("&Move Current Card"));
    MenuMoveToSomewhere = DialogItem(move, tr("To Somewhere Else"));
}

void MainMenus::CreateSettingsMenu() {
    QMenu* settings = form_.menuBar()->addMenu(tr("Setti&ngs"));
    MenuLexicons = DialogItem(settings, tr("&Lexicons..."));
    MenuClearAll = DialogItem(settings, tr("&Clear..."));
    settings->addSeparator();
    MenuFunctionKeys = DialogItem(settings, tr("&Function Keys..."));
    MenuRecordingPeriods = DialogItem(settings, tr("&Recording Periods..."));
}

void MainMenus::CreateGamesMenu() {
    QMenu* games = form_.menuBar()->addMenu(tr("&Games"));
    QAction* challenge = games->addAction(tr("&Challenge"));
    connect(challenge, &QAction::triggered, this, [this, challenge] { form_.ChallengeClick(challenge); });
    QMenu* interimChallenges = games->addMenu(tr("&Lexicon Transition Challenges"));
    std::tie(MenuInterimChallengesOn, MenuInterimChallengesOff) = OnOffItems(interimChallenges, InterimChallengesOn);
    connect(MenuInterimChallengesOn, &QAction::triggered, this, [this] { MenuInterimChallengesClick(true); });
    connect(MenuInterimChallengesOff, &QAction::triggered, this, [this] { MenuInterimChallengesClick(false); });
    QMenu* recording = games->addMenu(tr("&Record Challenged Words"));
    std::tie(MenuRecordingOn, MenuRecordingOff) = OnOffItems(recording, RecordingOn);
    connect(MenuRecordingOn, &QAction::triggered, this, [this] { MenuRecordingClick(true); });
    connect(MenuRecordingOff, &QAction::triggered, this, [this] { MenuRecordingClick(false); });
    MenuRevertToChallenge = DialogItem(games, tr("Re&vert to Challenge..."));
    // The switches may have changed since (start-up, commands): show them as they are.
    connect(games, &QMenu::aboutToShow, this, &MainMenus::ShowGameSwitches);
    games->addSeparator();
    QAction* bigBoggle = games->addAction(tr("&5 x 5 Game..."));
    connect(bigBoggle, &QAction::triggered, this, [this, bigBoggle] { MenuBigBoggleClick(bigBoggle); });
    games->addAction(tr("&Word-Building Game..."), this, &MainMenus::MenuWordsmithClick);
    MenuWordBuildingSolving = Toggle(games, tr("Word-Building &Solving Allowed"), WordBuildingSolvingAllowed);
    connect(MenuWordBuildingSolving, &QAction::triggered, this, &MainMenus::MenuWordBuildingSolvingClick);
    DialogItem(games, tr("Play 15 x 15 Game..."));  // nothing enables it
}

void MainMenus::ShowGameSwitches() {
    MenuInterimChallengesOn->setChecked(InterimChallengesOn);
    MenuInterimChallengesOff->setChecked(!InterimChallengesOn);
    MenuRecordingOn->setChecked(RecordingOn);
    MenuRecordingOff->setChecked(!RecordingOn);
    MenuWordBuildingSolving->setChecked(WordBuildingSolvingAllowed);
}

void MainMenus::CreateViewMenu() {
    QMenu* view = form_.menuBar()->addMenu(tr("&View"));
    view->addAction(tr("Workspace &Font..."), this, &MainMenus::MenuWorkspaceFontClick);
    QMenu* colours = view->addMenu(tr("&Colours"));
    MenuTextColour = colours->addAction(tr("&Text..."));
    MenuBackgroundColour = colours->addAction(tr("&Background..."));
    MenuBlankColour = colours->addAction(tr("&Letters Matched by Blanks..."));
    for (QAction* item : {MenuTextColour, MenuBackgroundColour, MenuBlankColour})
        connect(item, &QAction::triggered, this, [this, item] { MenuColourClick(item); });
    view->addSeparator();
    QAction* wordWrap = Toggle(view, tr("&Word Wrap"), form_.Workspace->lineWrapMode() != QPlainTextEdit::NoWrap);
    connect(wordWrap, &QAction::toggled, this, &MainMenus::MenuWordWrapClick);
    MenuShowHints = Toggle(view, tr("&Hints"), true);
    QAction* leftTabs = Toggle(view, tr("&Left Tabs"), ShowLeftTabs);
    connect(leftTabs, &QAction::toggled, &form_, &TForm2::ShowLeftPages);
}

void MainMenus::CreateHelpMenu() {
    QMenu* help = form_.menuBar()->addMenu(tr("&Help"));
    MenuHelpContents = DialogItem(help, tr("&Contents..."));
    MenuHelpAdjudications = DialogItem(help, tr("&Tournament Adjudications..."));
    help->addSeparator();
    MenuAbout = DialogItem(help, tr("&About QORA..."));
}

// The dialogs that act directly, each opened centred on the window.
void MainMenus::PlugSmallDialogs() {
    TForm2* form = &form_;
    form_.PlugAction({MenuLexicons}, [form] { ShowLexiconDialog(form); });
    form_.PlugAction({MenuClearAll}, [form] { ShowClearDialog(form); });
    form_.PlugAction({MenuNewIniFile}, [form] { ShowNewIniFileDialog(form); });
    form_.PlugAction({MenuFunctionKeys}, [form] { ShowFunctionKeyDialog(form); });
    form_.PlugAction({MenuRecordingPeriods}, [form] { ShowTimePeriodsDialog(form); });
    form_.PlugAction({MenuAbout}, [form] { ShowAboutDialog(form); });
    form_.PlugAction({MenuRevertToChallenge}, [form] {
        if (ShowRevertDialog(form)) form->ApplyRevertOption();
    });
}

bool MainMenus::HintsShown() const { return MenuShowHints->isChecked(); }

// ---- Items that act directly ------------------------------------------------------

// Runs a command file: the command "/X" with the chosen file is performed on a
// fresh command line.
void MainMenus::MenuFileExecuteClick() {
    FileDialog dialog(FileDialog::Kind::Open);
    dialog.Title = "Execute Command File";
    dialog.Filter = "Command files (*.cmd)|*.cmd|Any files (*.*)|*.*";
    dialog.DefaultExt = "cmd";
    dialog.InitialDir = DefaultDirectoryName;
    if (dialog.Execute(&form_)) {
        NewCommandLine("/X\"" + dialog.FileName + "\"");
        form_.Workspace->MoveCaretToCommandLineEnd();
        form_.PerformCommandLine();
    }
    FocusWorkspace();
}

void MainMenus::MenuInterimChallengesClick(bool on) { InterimChallengesOn = on; }

// Shows the 5 x 5 game window over the main window without waiting (it
// stays on top of it); a sender (the menu item) means no grid command asked.
void MainMenus::MenuBigBoggleClick(QObject* sender) {
    if (BogglePlayer == nullptr) return;
    if (sender != nullptr) GridGameFromCommand = false;
    if (!BogglePlayer->isVisible()) PlaceWindow(*BogglePlayer, form_.CentredOnMainWindow(*BogglePlayer));
    BogglePlayer->Activate();
}

// Shows the Word-Building Game window over the main window without waiting;
// a window that is open already comes to the front and opens afresh.
void MainMenus::MenuWordsmithClick() {
    if (WordsmithDlg == nullptr) return;
    WordBuildingGameActivated = false;
    if (WordsmithDlg->isVisible()) {
        WordsmithDlg->ShowModeless();
        WordsmithDlg->ActivateAfresh();
        return;
    }
    PlaceWindow(*WordsmithDlg, form_.CentredOnMainWindow(*WordsmithDlg));
    WordsmithDlg->ShowModeless();
}

void MainMenus::MenuWordBuildingSolvingClick(bool on) {
    WordBuildingSolvingAllowed = on;
    if (WordsmithDlg != nullptr) WordsmithDlg->ApplySolvingOption();
}

void MainMenus::MenuRecordingClick(bool on) {
    const std::string fileName = SetChallengeRecording(on);
    form_.ShowStatusMessage(on ? "Challenged words are now being recorded in file: " + fileName
                               : std::string("Challenged words are NOT being recorded now."));
}

void MainMenus::MenuWorkspaceFontClick() {
    FontDialog dialog;
    dialog.Font = form_.Workspace->font();
    dialog.FixedPitchOnly = true;
    if (dialog.Execute(&form_)) form_.SetWorkspaceFont(dialog.Font);
    FocusWorkspace();
}

void MainMenus::MenuColourClick(QAction* item) {
    TWorkspace& workspace = *form_.Workspace;
    QPalette colours = workspace.palette();
    const QPalette::ColorRole role = item == MenuBackgroundColour ? QPalette::Base : QPalette::Text;
    ColorDialog& dialog = ProgramColorDialog();
    dialog.Color = item == MenuBlankColour ? workspace.BlankMatchedColour() : colours.color(role);
    if (dialog.Execute(&form_)) {
        if (item == MenuBlankColour) {
            workspace.SetBlankMatchedColour(dialog.Color);
        } else {
            colours.setColor(role, dialog.Color);
            workspace.setPalette(colours);
        }
    }
    FocusWorkspace();
}

void MainMenus::MenuWordWrapClick(bool on) {
    form_.Workspace->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

}  // namespace qora
