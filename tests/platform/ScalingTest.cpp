#include "platform/Scaling.h"
#include "platform/qt/Cursor.h"
#include "platform/qt/Screen.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace qora {
namespace {

TEST(MulDiv, RoundsHalvesAwayFromZeroAndReportsOverflow) {
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(1, -1, 2), -1);
    EXPECT_EQ(MulDiv(1, 1, -2), -1);
    EXPECT_EQ(MulDiv(5, 2, 3), 3);  // 3.33
    EXPECT_EQ(MulDiv(5, 1, 3), 2);  // 1.67
    EXPECT_EQ(MulDiv(-5, 1, 3), -2);
    EXPECT_EQ(MulDiv(0, -7, 3), 0);
    // A zero divisor and a result beyond 32 bits give -1; the product itself is kept in 64 bits.
    EXPECT_EQ(MulDiv(10, 10, 0), -1);
    EXPECT_EQ(MulDiv(2147483647, 2, 1), -1);
    EXPECT_EQ(MulDiv(2147483647, 2, 2), 2147483647);
}

TEST(Scaled, FollowsTheScreenDpi) {
    ScreenDpi = 144;
    EXPECT_EQ(Scaled(738), 1107);
    EXPECT_EQ(Scaled(1), 2);  // 1.5 rounds up
    EXPECT_EQ(Scaled(3), 5);  // 4.5 rounds up
    EXPECT_EQ(Scaled(-3), -5);
    ScreenDpi = 120;
    EXPECT_EQ(Scaled(475), 594);  // 593.75
    ResetScaling();
    EXPECT_EQ(Scaled(738), 738);
}

TEST(Placement, WindowsStayOnTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(KeptOnScreen(QRect(area.right() - 50, area.bottom() - 10, 200, 100)).bottomRight(), area.bottomRight());
    EXPECT_EQ(KeptOnScreen(QRect(-500, -20, 200, 100)).topLeft(), area.topLeft());
    EXPECT_EQ(KeptOnScreen(QRect(10, 10, area.width() + 300, 50)).left(), area.left());
    const QRect inside(area.left() + 10, area.top() + 20, 100, 80);
    EXPECT_EQ(KeptOnScreen(inside), inside);

    QWidget window;
    window.resize(300, 200);
    PlaceWindow(window, QPoint(area.right(), area.bottom()));
    window.show();
    EXPECT_TRUE(area.contains(window.frameGeometry()));
}

TEST(MousePointer, ParksOnTheCentreOfAControl) {
    QWidget window;
    window.resize(300, 200);
    QWidget button(&window);
    button.setGeometry(40, 60, 100, 30);
    window.show();
    ParkMousePointerOn(button);
    EXPECT_EQ(MousePointerPosition(), window.mapToGlobal(QPoint(90, 75)));
    SetMousePointerPosition(QPoint(12, 34));
    EXPECT_EQ(MousePointerPosition(), QPoint(12, 34));
}

}  // namespace
}  // namespace qora
