// Looking at windows in widget tests: layout faults found by geometry, and
// grabs saved as PNG files to open and look at.
#pragma once

#include <gtest/gtest.h>
#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace qora {

// Visible controls that overlap a sibling, run past their parent, or are too
// small for their text ("Label 'Word Length is': 80 wide, needs 95").
// Controls made of parts (lists, edits, spin boxes) are checked as a whole;
// a scroll area of controls (a page that scrolls) by the controls it holds.
std::vector<std::string> LayoutFaults(const QWidget& window);

// Saves a grab of the widget as <name>-<dpi>dpi.png in the working folder and
// returns the file's path.
QString SaveGrab(QWidget& widget, const QString& name);

// Fixture for layout tests: ScreenDpi comes from the screen, so the same test
// also runs at 144 pixels per inch (ctest runs every "*Layout*" test a second
// time with the screen at 144 pixels per inch).
class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace qora
