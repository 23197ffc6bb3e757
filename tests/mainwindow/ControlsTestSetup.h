// A window with the main window's two page controls (the Timer tab first on
// the right, as in the main window) and a stand-in for the workspace, the
// command line checked silently after every edit as the main window does,
// and a host that records the dialogs asked for and the lines performed.
#pragma once

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "engine/Tiles.h"
#include "engine/UserSets.h"
#include "engine/Wordlists.h"
#include "mainwindow/ControlSupport.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/TimerPage.h"
#include "platform/ProgramState.h"
#include "platform/Scaling.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Focus.h"
#include "processor/CommandLine.h"
#include "processor/Console.h"
#include "processor/Settings.h"

namespace qora::test {

class RecordingHost : public ControlsHost, public TimerPageHost {
public:
    void OpenDialog(const DialogRequest& request) override {
        requests.push_back(request);
        if (onOpen) onOpen();
    }
    void PerformCommandLine() override { performed.push_back(CommandLine()); }
    QPoint SoundDialogPlace(QWidget&) override { return {}; }
    void SetRevertCountdown(std::int32_t) override {}

    std::vector<DialogRequest> requests;
    std::vector<std::string> performed;
    std::function<void()> onOpen;  // what the dialog does while it is open
};

class ControlsWindow {
public:
    // The columns of the main window at 96 pixels per inch.
    static constexpr int ColumnWidth = 280;

    ControlsWindow() {
        auto* layout = new QHBoxLayout(&window);
        queryOrPresentation = new QTabWidget;
        queryOrPresentation->setFixedWidth(Scaled(ColumnWidth));
        workspace = new QLineEdit;
        options = new QTabWidget;
        options->setFixedWidth(Scaled(ColumnWidth));
        layout->addWidget(queryOrPresentation);
        layout->addWidget(workspace, 1);
        layout->addWidget(options);
        options->addTab(new TimerPage(host), "&Timer");
        controls = std::make_unique<MainControls>(host, *queryOrPresentation, *options);
        WorkspaceEdit = workspace;
    }
    ~ControlsWindow() { WorkspaceEdit = nullptr; }

    void Show(int width = 1280, int height = 800) {
        window.resize(width, height);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    QTabWidget* queryOrPresentation = nullptr;
    QLineEdit* workspace = nullptr;
    QTabWidget* options = nullptr;
    RecordingHost host;
    std::unique_ptr<MainControls> controls;
};

// Console, parser and engine data fresh for every test; every edit of the
// command line is checked silently and the controls show what it implies.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        WritePromptLine();
        ui = std::make_unique<ControlsWindow>();
        ConsoleEditHooks.RecheckCommandLine = [] { CheckSilently(); };
        CommandLineHandlers.ShowImpliedSettings = [this] { ui->controls->ShowSettings(); };
        ui->controls->ShowSettings();
    }

    void TearDown() override {
        ui.reset();
        ResetProgramState();
    }

    static void CheckSilently() {
        const std::string line = CommandLine();
        ProcessCommandLine({line, &CommandHistory}, false, false);
    }

    // The user types a whole command line.
    static void TypeLine(const std::string& text) {
        SetCommandLine(text);
        CheckSilently();
    }

    // Picks an item of a list with the mouse, as the user does.
    void Pick(CommitComboBox& list, int item) {
        list.showPopup();
        QAbstractItemView* view = list.view();
        const QRect rect = view->visualRect(view->model()->index(item, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }

    MainControls& controls() { return *ui->controls; }
    RecordingHost& host() { return ui->host; }

    std::unique_ptr<ControlsWindow> ui;
};

}  // namespace qora::test
