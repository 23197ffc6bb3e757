#include "mainwindow/Startup.h"

#include <QFont>

#include "dialogs/BoardSquareDialog.h"
#include "dialogs/HelpDialog.h"
#include "engine/Definitions.h"
#include "engine/Lexicons.h"
#include "engine/Listings.h"
#include "engine/UserSets.h"
#include "engine/Wordlists.h"
#include "games/BoardPlayDialog.h"
#include "games/ChallengeWindow.h"
#include "games/LetterGridWindow.h"
#include "games/WordBuildingHistoryBrowser.h"
#include "games/WordBuildingHistoryDialog.h"
#include "games/WordBuildingSolverDialog.h"
#include "games/WordBuildingWindow.h"
#include "games/rules/SoundFiles.h"
#include "mainwindow/Connections.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Workspace.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Text.h"
#include "platform/qt/WaveSound.h"
#include "processor/CommandFiles.h"
#include "processor/Console.h"
#include "processor/Executor.h"
#include "processor/IniFile.h"
#include "processor/Settings.h"

namespace qora {

namespace {

constexpr char LexiconFolder[] = ".";

// The workspace font of the initialization file, its size replaced by the
// option -f.
void ApplyWorkspaceFont(const StartupOptions& options) {
    QFont font = Form2->Workspace->font();
    if (!WorkspaceFontName.empty()) font.setFamily(FromCodePage(WorkspaceFontName));
    const int size = options.WorkspaceFontSize.value_or(WorkspaceFontSize);
    if (size > 0) font.setPointSize(size);
    Form2->SetWorkspaceFont(font);
}

void WriteLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) WriteOutputLine(line);
}

// The definitions file of the initialization file; one that cannot be read
// leaves no definitions and, in the welcome text, a warning.
void OpenDefinitions(bool welcome) {
    ResetDefinitions();
    if (IniDefinitionsFileName.empty()) return;
    const DefinitionsLoadReport report = LoadDefinitions(IniDefinitionsFileName);
    if (!report.Opened && welcome)
        WriteOutputLine(FormatText("Warning - There are no definitions: the definitions file %s cannot be read: %s",
                                   IniDefinitionsFileName.c_str(), report.Reason.c_str()));
}

// Hands the command file of the option -x to the command-file thread.
void StartCommandFile(const std::string& name) {
    const std::string reason = RunCommandFile(name);
    if (reason.empty()) return;
    WriteOutputLine("Error - " + reason);
    WriteBlankLineAndPrompt();
}

}  // namespace

void CreateForms() {
    auto* form = new TForm2();
    ChallengeDlg = new TChallengeDlg(*form, IsWordInLexicon, form);
    WordsmithDlg = new TWordsmithDlg(form);
    PlugInWordBuildingSolver(*WordsmithDlg, ShowHelpWindow);
    PlugInWordBuildingHistory(*WordsmithDlg, ShowHelpWindow);
    PlugInWordBuildingHistoryBrowser(*WordsmithDlg, ShowHelpWindow);
    BogglePlayer = new TBogglePlayer(form);
    BogglePlayer->WriteCommandLine = [form](const std::string& line) {
        NewCommandLine(line);
        form->Workspace->MoveCaretToCommandLineEnd();
        form->RecheckCommandLine();
        FocusWorkspace();
    };
    BogglePlayer->ShowHelp = ShowHelpWindow;
    BogglePlayer->CommandLineFree = [form] { return form->ControlsEnabled(); };
    ConnectMainWindow(*form);
    form->SizeToScreen();
    form->show();
    form->MeasureWorkspace();
    InitSettings();
    ResetWordlists();
    ResetUserSets();
}

void DestroyForms() {
    DisconnectMainWindow();
    delete Form2;  // the game windows go with it
    ChallengeDlg = nullptr;
    WordsmithDlg = nullptr;
    BogglePlayer = nullptr;
}

std::vector<std::string> WelcomeLines() {
    std::vector<std::string> lines{"Welcome to QORA, for word study, anagram search and word judging."};
    if (const LexiconRecord* primary = LexiconOfRole(PrimaryRole))
        lines.push_back(
            FormatText("The primary lexicon is %s (%s).", primary->ShortName.c_str(), primary->LongName.c_str()));
    lines.push_back("Type a query or command after the prompt.");
    return lines;
}

std::string FinishStartup(const StartupOptions& options) {
    for (const std::string& warning : options.Warnings) WriteOutputLine("Warning - " + warning);
    std::string error;
    if (!FindLexiconFiles(LexiconFolder, error)) return error;
    if (std::string reason = ReadIniFile(options.IniFileName); !reason.empty()) return reason;
    if (!ChooseLexicons(PrimaryLexicon, SecondaryLexiconIndex, ChallengeLexicon, error)) return error;
    ApplyWorkspaceFont(options);
    Form2->RefreshListTabs();
    const bool welcome = options.CommandFileName.empty();
    if (welcome) WriteLines(WelcomeLines());
    OpenDefinitions(welcome);
    WritePromptLine();
    if (!welcome) StartCommandFile(options.CommandFileName);
    ResetBoardDlgColors();
    ResetSuperBoardDlgColors();
    ResetPlayDlgColors();
    FindSoundFiles(SystemSoundFolders());
    if (!AudioOutputAvailable()) SoundAvailable = false;  // nothing could be heard
    Form2->RestartRevertCountdown();
    FocusWorkspace();
    return {};
}

}  // namespace qora
