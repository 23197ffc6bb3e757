// The main window started in a scratch folder that holds the tests' own
// lexicon, with fresh processor state, helpers that drive the workspace with
// Qt key events, and the window's parts and controls through its driver
// (Main()).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/Definitions.h"
#include "engine/Lexicons.h"
#include "games/ChallengeWindow.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Startup.h"
#include "mainwindow/Workspace.h"
#include "platform/ProgramState.h"
#include "platform/Scaling.h"
#include "platform/qt/Screen.h"
#include "processor/CommandFiles.h"
#include "processor/CommandLine.h"
#include "processor/Console.h"
#include "processor/FunctionKeys.h"
#include "processor/IniFile.h"
#include "processor/Recording.h"
#include "processor/ReportError.h"
#include "processor/Threads.h"
#include "support/TestLexicon.h"
#include "support/qt/EventWaits.h"
#include "support/qt/MainWindowDriver.h"
#include "support/qt/WidgetLayout.h"

namespace qora::test {

class MainWindowTest : public ::testing::Test {
public:
    void SetUp() override {
        ResetProgramState();
        TForm2::QuitApplication = [](int) {};  // the tests run no event loop to end
        previousFolder_ = std::filesystem::current_path();
        std::filesystem::current_path(lexicons.Path());
        StartProcessorThreads();
    }

    void TearDown() override {
        if (Form2 != nullptr) DestroyForms();
        ResetProgramState();
        ResetScaling();
        std::filesystem::current_path(previousFolder_);
    }

    // The folder's English lexicon of a few words.
    void AddLexicon() { lexicons.Add("ENGLISH.QLX", {"CAT", "ACT", "DOG", "QUIXOTIC"}); }

    void WriteFile(const std::string& name, const std::string& text) {
        std::ofstream(lexicons.Path() + "/" + name, std::ios::binary) << text;
    }

    // Creates the forms and finishes the start-up with these arguments;
    // returns the reason the program cannot run, or "".
    std::string Start(std::vector<std::string> arguments = {}) {
        CreateForms();
        form = Form2;
        std::vector<const char*> argv{"qora"};
        for (const std::string& argument : arguments) argv.push_back(argument.c_str());
        return FinishStartup(ParseStartupOptions(static_cast<int>(argv.size()), argv.data()));
    }

    void StartWithLexicon() {
        AddLexicon();
        ASSERT_EQ(Start(), "");
        Settle();
    }

    // For the layout tests: the window at 1280 x 800 on the screen's
    // resolution (the scaling is put back after the test).
    void StartWithLexiconAt1280x800() {
        InitScreenDpi();
        AddLexicon();
        ASSERT_EQ(Start(), "");
        form->resize(Scaled(1280), Scaled(800));
    }

    TWorkspace& Workspace() { return *form->Workspace; }
    // The main window's parts and controls.
    MainWindowDriver Main() const { return MainWindowDriver(*form); }

    void Type(const char* text) { QTest::keyClicks(&Workspace(), QString::fromLatin1(text)); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&Workspace(), key, modifiers);
    }
    // Types the line, presses Enter and waits until it has been performed.
    void Perform(const std::string& line) {
        Type(line.c_str());
        Press(Qt::Key_Return);
        Settle();
    }

    // Waits until the worker threads are done and lets their calls, the
    // posted events (layouts among them) and the pending workspace lines
    // through.
    void Settle() {
        EXPECT_TRUE(ProcessEventsUntil([] {
            return !QueryThread().Busy() && !CommandFileThread().Busy() && !CommandFileRunning();
        })) << "the worker threads are still busy";
        // Each round's events may queue calls that write lines, and the lines
        // shown post events of their own (the scroll bar's among them).
        for (int i = 0; i < 5; ++i) {
            SyncBridge().RunPending();
            Workspace().FlushPendingLines();
            QCoreApplication::processEvents();
        }
    }

    std::vector<std::string> Lines() const {
        std::vector<std::string> text;
        for (const WorkspaceLine& line : WorkspaceLines()) text.push_back(line.Text);
        return text;
    }
    std::string LastLine() const { return WorkspaceLines().back().Text; }
    // The document's text of a console row, as the user sees it.
    std::string ShownLine(int row) {
        return Workspace().document()->findBlockByNumber(row).text().toLatin1().toStdString();
    }

    // Runs `answer` on the next modal window that opens during this test
    // (the timer goes with the test, so no answer waits on into the next).
    void WhenModalOpens(std::function<void(QWidget& modal)> answer) {
        answerer.disconnect();
        QObject::connect(&answerer, &QTimer::timeout, [this, answer = std::move(answer)] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return;
            answerer.stop();
            answer(*modal);
        });
        answerer.start(10);
    }

    TestLexiconFolder lexicons;
    TForm2* form = nullptr;
    QTimer answerer;

    // Grabs a window into the folder the tests run in (not the scratch folder).
    void SaveWindowGrab(QWidget& window, const QString& name) {
        std::filesystem::current_path(previousFolder_);
        SaveGrab(window, name);
        std::filesystem::current_path(lexicons.Path());
    }

private:
    std::filesystem::path previousFolder_;
};

}  // namespace qora::test
