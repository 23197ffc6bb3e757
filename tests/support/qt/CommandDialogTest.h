// Widget tests of the command-building dialogs: a dialog under test is shown
// (not modally) as the active window on a fresh prompt line, driven with
// clicks and keys, and judged by the command line it leaves; its Help button
// must show the help window and leave the dialog open.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <string>

#include "SmallDialogTest.h"
#include "dialogs/HelpDialog.h"
#include "engine/Tiles.h"
#include "processor/CommandLine.h"
#include "processor/Settings.h"

namespace qora {

class CommandDialogTest : public SmallDialogTest {
protected:
    void SetUp() override {
        SmallDialogTest::SetUp();
        WritePromptLine();
    }

    // The primary lexicon's language changes: its tables, orderings and
    // letter mapping.
    static void UseLanguage(Language language) {
        SetLanguageTables(language);
        LoadLanguageDefaults();
    }

    // The command line the dialog left, and a fresh one for the next step.
    static std::string Typed() { return CommandLine(); }
    static void ClearLine() { SetCommandLine(""); }

    // Opens the dialog afresh on a command line that the main window has
    // checked, as the openers do.
    static void OpenOnLine(QWidget& dialog, const std::string& line) {
        dialog.hide();
        SetCommandLine(line);
        ParseCommandLine(line);
        Open(dialog);
    }

    // Clicks the dialog's Help button: the help window shows (and is closed
    // again here), the dialog stays open and nothing is typed.
    static void ExpectHelpKeepsDialogOpen(QWidget& dialog, QAbstractButton& help) {
        const std::string line = Typed();
        QWidget* shown = nullptr;
        WhenModalOpens([&](QWidget& modal) {
            shown = &modal;
            static_cast<QoraDialog&>(modal).CloseWithResult(mrCancel);
        });
        help.click();
        EXPECT_EQ(shown, HelpDlg.data()) << "the help window showed";
        EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
        EXPECT_EQ(Typed(), line);
    }

    // Checks the layout and saves a grab in English and in Spanish (the
    // dialog is shown again after each language switch).
    static void ExpectSoundLayoutInBothLanguages(QWidget& dialog, const char* name) {
        for (const Language language : {Language::English, Language::Spanish}) {
            SetLanguageTables(language);
            dialog.hide();
            Open(dialog);
            ExpectSoundLayout(dialog, (std::string(name) + (language == Language::Spanish ? "-es" : "-en")).c_str());
        }
        SetLanguageTables(Language::English);
    }

    // Whether the parser takes the line without an error.
    static std::string ParseError(const std::string& line) {
        const ParseResult result = ParseCommandLine(line);
        return result.HasError() ? result.Message->Text : std::string();
    }
};

}  // namespace qora
