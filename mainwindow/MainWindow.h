// The main window `TForm2`, the frame of the program's parts: the workspace
// console in the middle, the query and presentation pages on the left
// (`QueryOrPresentation`, with the `Command` panel and the "!" button below
// them), the challenge button, the option pages, the definitions window and
// the command history on the right, the menus above and the three-panel
// status bar below.
//
// The window does little work of its own: it hands the command line to the
// command processor in one of three ways (perform, check, silent re-check),
// opens the dialogs and the challenge window, and shows what the processor's
// threads report. Its parts are classes of their own, each with the window as
// its host: the pages' controls (MainControls), the menus (MainMenus), the
// Timer tab (TimerPage) and the command history (HistoryRecall). Tests reach
// its components through tests/support/qt/MainWindowDriver.h. DialogOpener
// says how one of its handlers opens a dialog.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "games/ChallengeWindow.h"
#include "mainwindow/ControlSupport.h"
#include "mainwindow/HistoryRecall.h"
#include "mainwindow/TimerPage.h"
#include "platform/KeyCodes.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace qora {

class MainControls;
class MainMenus;
class QoraDialog;
class TWorkspace;

// How a main-window handler opens a dialog.
struct DialogOpener {
    QoraDialog* Dialog = nullptr;
    // The dialog's outer top-left corner on the screen.
    std::function<QPoint(QWidget& dialog)> Place;
    // Sets what the dialog reads when it opens (the set, wordlist and item a
    // control chose); may be empty.
    std::function<void(const DialogRequest& request)> Prepare;
    // What happens while the command line has an error: the command-building
    // dialogs refuse to open (with or without a message in the status bar);
    // dialogs that act directly open anyway.
    enum class WhenLineHasError { Refuse, RefuseSilently, Open } OnError = WhenLineHasError::Refuse;
    // The dialog when it depends on the moment of opening (the board size);
    // takes the place of Dialog.
    std::function<QoraDialog*()> DialogNow = nullptr;
    // After the dialog closed: shows what it changed without typing (typed
    // text is shown once the line is checked); may be empty.
    std::function<void()> Closed = nullptr;
};

// The left page control shows its pages (the View menu's "Left Tabs").
extern bool ShowLeftTabs;
// The `Command` panel and the "!" button are shown; they belong to the left
// pages and come and go with them.
extern bool QueryOrPresentationPageShown;
// The seconds left before the revert-to-challenge countdown opens the
// challenge window.
extern std::int32_t RevertCountdown;

namespace test {
class MainWindowDriver;
}

class TForm2 : public QMainWindow,
               public ChallengeHost,
               public ControlsHost,
               public TimerPageHost,
               public HistoryRecallHost {
    Q_OBJECT

public:
    TForm2();
    ~TForm2() override;

    // ---- The parts -----------------------------------------------------------
    TWorkspace* Workspace;
    std::unique_ptr<MainControls> Controls;  // the pages of QueryOrPresentation and Options
    MainMenus& Menus() { return *menus_; }
    TimerPage& TimerTab() { return *timerTab_; }

    // ---- Size and layout -------------------------------------------------------
    // 85% of the screen, at least 800 x 575 scaled pixels, centred.
    void SizeToScreen();
    // WorkspaceRows and WorkspaceColumns, shown in the right panel.
    void MeasureWorkspace();
    void SetWorkspaceFont(const QFont& font);
    // Shows or hides the left pages, and with them the Command panel and the
    // "!" button (View > Left Tabs).
    void ShowLeftPages(bool shown);

    // ---- Services for the dialogs and games ------------------------------------
    // The language switch and the refresh of the set lists: the dialogs add
    // what they must redo.
    void ApplyLexiconLanguage();
    void RefreshListTabs();
    void AddLanguageSwitch(std::function<void()> action);
    void AddListTabsRefresh(std::function<void()> action);
    // The caption "QORA - primary[ / secondary]" after every lexicon choice.
    void ShowLexiconCaption();

    // ---- Dialog openers ----------------------------------------------------------
    // Connects menu items and buttons to an action and enables them; the
    // workspace has the focus afterwards. Until a dialog or feature is
    // plugged in, its items stay disabled.
    void PlugAction(std::initializer_list<QObject*> triggers, std::function<void()> action);
    // A dialog that the controls ask for: their buttons are enabled and their
    // requests open it, as the menu items given do.
    void PlugDialog(ControlDialog dialog, std::initializer_list<QObject*> menuItems, DialogOpener opener);
    // A dialog that only menu items open.
    void PlugDialog(std::initializer_list<QObject*> menuItems, DialogOpener opener);
    void OpenDialog(const DialogOpener& opener, const DialogRequest& request = {});
    // The placements the openers use.
    QPoint RightEdgeOneCaptionAbove(QWidget& dialog);
    QPoint RightEdgeAtWorkspaceTop(QWidget& dialog);
    QPoint AtWorkspaceTopLeft(QWidget& dialog);
    QPoint LowerRightOfClientArea(QWidget& dialog);
    QPoint CentredOnMainWindow(QWidget& dialog);

    // ---- Status bar ----------------------------------------------------------------
    void ShowStatusMessage(std::string_view text);  // the middle panel
    void UpdateIndicators();                        // flashcards, revert countdown

    // ---- The command line ------------------------------------------------------------
    void RecheckCommandLine();  // after every edit but Enter and Ctrl+Enter

    // ---- While a query or command file runs --------------------------------------------
    void SetControlsEnabled(bool enabled);

    // ---- Start-up failure and the end ----------------------------------------------------
    // Shows the reason and the closing line, disables every control and ends
    // the program with status 1 on the next key or click.
    void ShowFatalError(const std::string& reason);
    void ExitProgram(int status);
    // Ends the application's event loop with the status; tests that end the
    // program without running the loop replace it (Qt's exit outside the
    // loop would end every later modal dialog at once).
    static std::function<void(int status)> QuitApplication;

    // ---- Challenge adjudication and the Timer tab ------------------------------------------
    void ChallengeClick(QObject* sender);
    // The revert-to-challenge option as its dialog left it.
    void ApplyRevertOption();
    // The command "T": the Timer tab comes to the front and the countdown
    // starts.
    void StartTimerFromCommand();

    // ---- What the parts ask of the window ------------------------------------------------------
    void RestartRevertCountdown() override;                             // ChallengeHost
    void OpenDialog(const DialogRequest& request) override;             // ControlsHost
    void PerformCommandLine() override;                                 // ControlsHost: Enter, Perform
    bool ControlsEnabled() const override { return controlsEnabled_; }  // HistoryRecallHost
    void ReplaceCommandLine(std::string_view text) override;            // HistoryRecallHost

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Tests reach the window's components through it (tests/support/qt).
    friend class test::MainWindowDriver;

    void CreateControls();
    void CreateStatusBar();
    QWidget* CreateLeftColumn();
    QWidget* CreateRightColumn();

    void PerformClick();  // Enter, Perform: the processor performs the line
    void CheckClick();    // Ctrl+Enter, Check
    bool WorkspaceKeyDown(KeyStroke stroke);
    void PerformFunctionKey(int number);
    void PerformLengthFilter(int length);
    void ReportCannotAugment();
    void ShowDefinitionAtCaret();

    void LayOutChallengeWindow();
    void AppRestore();
    void RevertTimerTimer();
    // Whether the program may open the challenge window by itself now: it is
    // the active application, nothing runs and no other window is modal.
    bool ReadyForRevert() const;
    bool ProgramIsActive() const;
    void ShowCommandAndLeftTabs();
    std::vector<QWidget*> RightHandParts() const;
    int ExitStatus() const { return exitStatus_; }

    // ChallengeHost
    void HideMainParts() override;
    void ShowMainParts() override;
    void ParkMouseOnChallengeButton() override;
    std::string PromptLineWords() override;

    // TimerPageHost
    QPoint SoundDialogPlace(QWidget& dialog) override;
    void SetRevertCountdown(std::int32_t seconds) override;

    // ---- Components ----------------------------------------------------------------
    QTabWidget* QueryOrPresentation;
    QWidget* Command;
    QPushButton* Perform;
    QPushButton* Check;
    QPushButton* MakeLongTerm;
    QPushButton* Challenge;
    QTabWidget* Options;
    QPlainTextEdit* DefinitionsBox;
    QLabel* IndicatorsPanel;     // left panel of the status bar
    QLabel* MessagePanel;        // middle panel
    QLabel* WorkspaceSizePanel;  // right panel
    QTimer* RevertTimer;

    QWidget* leftColumn_;
    MainMenus* menus_;
    TimerPage* timerTab_;
    HistoryRecall* history_;
    QLabel* definitionsCaption_;
    QLabel* historyCaption_;
    std::vector<std::function<void()>> languageSwitches_;
    std::vector<std::function<void()>> listTabsRefreshes_;
    std::map<ControlDialog, DialogOpener> controlDialogs_;
    std::vector<QWidget*> offWhileBusy_;  // disabled while a query runs
    bool controlsEnabled_ = true;
    bool startupFailed_ = false;
    int exitStatus_ = 0;
    bool wasMinimised_ = false;
};

// The main window; its workspace is also WorkspaceEdit (platform/qt/Focus.h).
extern TForm2* Form2;

}  // namespace qora
