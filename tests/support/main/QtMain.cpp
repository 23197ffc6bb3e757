#include <gtest/gtest.h>
#include <QApplication>

// Widget tests need one application object for the whole run. They run on
// the offscreen platform, so no display is needed; unless the environment
// describes the screen, it is 1280 x 720 (a 1920 x 1080 screen at 150%), so
// every window is seen on a small screen. The 144-dpi runs choose a
// 1920 x 1080 screen of their own (tests/CMakeLists.txt).
int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QORA_TEST_SCREENS_DIR "/1280x720.json");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
