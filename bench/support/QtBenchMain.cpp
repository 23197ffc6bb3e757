// The main of the benchmarks that measure the main window: a Qt application
// (offscreen unless a platform is chosen), the benchmarks named on the command
// line, and then the program's own ending: the processor's threads stopped
// and the windows destroyed.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "mainwindow/Startup.h"
#include "processor/Threads.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    qora::StopProcessorThreads();
    qora::DestroyForms();
    return 0;
}
