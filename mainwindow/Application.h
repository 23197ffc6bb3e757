// The application object and the one handler of exceptions that escape:
// from an event handler (caught where the event is delivered, the program
// goes on) or from the start-up and the end (caught in the program's entry).
#pragma once

#include <QApplication>
#include <string_view>

namespace qora {

class QoraApplication : public QApplication {
public:
    QoraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an exception that nothing else handled: in a message box when the
// program has a screen to show it on, and on the standard error stream.
void ReportEscapedException(std::string_view what);

// True on a platform without a screen (offscreen, minimal), where nobody can
// answer a window.
bool NobodyCanAnswer();

}  // namespace qora
