// Program entry: the application, the start-up, the message loop and the end.
#include <cstdio>
#include <exception>

#include "mainwindow/Application.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/Startup.h"
#include "platform/Folders.h"
#include "platform/qt/Screen.h"
#include "processor/Threads.h"

namespace qora {
namespace {

constexpr int FailureStatus = 1;

int RunProgram(QoraApplication& application, int argc, char** argv) {
    InitScreenDpi();
    QApplication::setApplicationName(QStringLiteral("QORA"));
    InitHomeDirectory();
    StartProcessorThreads();
    CreateForms();
    const std::string reason = FinishStartup(ParseStartupOptions(argc, argv));
    int status = FailureStatus;
    if (!reason.empty()) {
        Form2->ShowFatalError(reason);
        // Without a screen nobody can press a key: end at once.
        if (NobodyCanAnswer()) std::fprintf(stderr, "%s\n", reason.c_str());
    }
    if (reason.empty() || !NobodyCanAnswer()) status = application.exec();
    StopProcessorThreads();
    DestroyForms();
    return status;
}

}  // namespace
}  // namespace qora

int main(int argc, char** argv) {
    qora::QoraApplication application(argc, argv);
    try {
        return qora::RunProgram(application, argc, argv);
    } catch (const std::exception& error) {
        qora::ReportEscapedException(error.what());
    } catch (...) {
        qora::ReportEscapedException("an unknown error");
    }
    qora::StopProcessorThreads();
    return 1;
}
