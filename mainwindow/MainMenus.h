// The main window's menu bar (File, Edit, Query, Sets, Wordlists,
// Flashcards, Settings, Games, View, Help) and the handlers of the items
// that act directly. An item that opens a dialog stays disabled until the
// dialog is plugged in (TForm2::PlugDialog): the small dialogs of the File,
// Settings, Games and Help menus are plugged in here, the command-building
// dialogs and the help windows by the openers (mainwindow/DialogOpeners.h),
// which plug in the items listed below.
#pragma once

#include <QObject>

class QAction;

namespace qora {

class TForm2;

class MainMenus : public QObject {
    Q_OBJECT

public:
    // Fills the window's menu bar.
    explicit MainMenus(TForm2& form);

    // View > Hints: the controls show their hints.
    bool HintsShown() const;

    // Games > 5 x 5 Game and Word-Building Game, which commands open too.
    // The 5 x 5 game window; a null sender keeps GridGameFromCommand.
    void MenuBigBoggleClick(QObject* sender);
    void MenuWordsmithClick();

    // ---- The items the dialog openers plug in ----------------------------------
    QAction* MenuImportWordlists;
    QAction* MenuPrint;
    QAction* MenuPageSetup;
    QAction* MenuAugmentLetter;
    QAction* MenuRackLetter;
    QAction* MenuAugmentWord;
    QAction* MenuWordPresence;
    QAction* MenuShowDefns;
    QAction* MenuLetterMapping;
    QAction* MenuDefineSet;
    QAction* MenuLabelSet;
    QAction* MenuWordlistsDeleteItem;
    QAction* MenuWordlistsCopyItem;
    QAction* MenuWordlistsMoveItem;
    QAction* MenuLabelWordlist;
    QAction* MenuAppendRandomRacks;
    QAction* MenuFlashcardDelete;
    QAction* MenuFlashcardCopy;
    QAction* MenuMoveToSomewhere;
    QAction* MenuHelpContents;
    QAction* MenuHelpAdjudications;

private:
    void CreateFileMenu();
    void CreateEditMenu();
    void CreateQueryAndSetsMenus();
    void CreateWordlistsAndFlashcardsMenus();
    void CreateSettingsMenu();
    void CreateGamesMenu();
    void CreateViewMenu();
    void CreateHelpMenu();
    void PlugSmallDialogs();
    // Shows the Games menu's switches as they are now.
    void ShowGameSwitches();

    // The items that act directly.
    void MenuFileExecuteClick();
    void MenuInterimChallengesClick(bool on);
    void MenuRecordingClick(bool on);
    void MenuWordBuildingSolvingClick(bool on);
    void MenuWorkspaceFontClick();
    void MenuColourClick(QAction* item);
    void MenuWordWrapClick(bool on);

    TForm2& form_;
    // The small dialogs' items.
    QAction* MenuNewIniFile;
    QAction* MenuLexicons;
    QAction* MenuClearAll;
    QAction* MenuFunctionKeys;
    QAction* MenuRecordingPeriods;
    QAction* MenuRevertToChallenge;
    QAction* MenuAbout;
    // The switches.
    QAction* MenuInterimChallengesOn;
    QAction* MenuInterimChallengesOff;
    QAction* MenuRecordingOn;
    QAction* MenuRecordingOff;
    QAction* MenuWordBuildingSolving;
    QAction* MenuShowHints;
    // The colours' items.
    QAction* MenuTextColour;
    QAction* MenuBackgroundColour;
    QAction* MenuBlankColour;
};

}  // namespace qora
