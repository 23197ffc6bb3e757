#include "mainwindow/Application.h"

#include <cstdio>
#include <exception>
#include <string>

#include "platform/qt/MessageBoxes.h"

namespace qora {

QoraApplication::QoraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QoraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportEscapedException(error.what());
    } catch (...) {
        ReportEscapedException("an unknown error");
    }
    return false;
}

bool NobodyCanAnswer() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

void ReportEscapedException(std::string_view what) {
    const std::string text = "QORA met an error it did not expect: " + std::string(what);
    std::fprintf(stderr, "%s\n", text.c_str());
    if (QCoreApplication::instance() != nullptr && !NobodyCanAnswer()) ShowError(text);
}

}  // namespace qora
