#include <gtest/gtest.h>
#include <QApplication>

// Widget tests need one application object for the whole run; the ctest
// environment selects the offscreen platform so no display is needed.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
