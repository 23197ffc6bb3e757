// Every page of the main window's page controls fits its column of a
// 1280 x 800 window: nothing overlaps, runs past its page or is cut off.
// The grabs are saved to look at.
#include "ControlsTestSetup.h"

#include "support/qt/WidgetLayout.h"

namespace qora::test {
namespace {

class ControlsLayout : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        LoadBuiltInSettings();
        ui = std::make_unique<ControlsWindow>();
        ui->controls->ShowSettings();
    }
    void TearDown() override {
        ui.reset();
        LayoutTest::TearDown();
    }

    // Shows each page of a page control in turn and checks the window.
    void CheckPages(QTabWidget& pages, const char* side) {
        for (int page = 0; page < pages.count(); ++page) {
            pages.setCurrentIndex(page);
            QApplication::processEvents();
            EXPECT_EQ(ui->window.height(), 800) << "the pages fit the window's height";
            const std::vector<std::string> faults = LayoutFaults(ui->window);
            EXPECT_EQ(faults, std::vector<std::string>{}) << pages.tabText(page).toStdString();
            SaveGrab(ui->window, QString("controls-%1-%2").arg(side).arg(page));
        }
    }

    std::unique_ptr<ControlsWindow> ui;
};

TEST_F(ControlsLayout, EveryPageFitsItsColumn) {
    ui->Show(1280, 800);
    CheckPages(*ui->queryOrPresentation, "left");
    CheckPages(*ui->options, "right");
}

}  // namespace
}  // namespace qora::test
