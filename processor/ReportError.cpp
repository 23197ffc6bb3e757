#include "processor/ReportError.h"

#include "platform/ProgramState.h"
#include "processor/CommandLine.h"
#include "processor/Console.h"

namespace qora {

namespace {

ErrorReportSink* Sink = nullptr;
ReportMode Mode = ReportMode::Silent;
bool ColouringAllowed = false;

}  // namespace

void ConsoleErrorSink::ShowStatusText(const std::string& text) {
    if (showStatusText_) showStatusText_(text);
}

void ConsoleErrorSink::WriteOutputLine(const std::string& text) { qora::WriteOutputLine(text); }

void ConsoleErrorSink::ColourErrorCharacter(std::int32_t position) {
    MarkErrorCharacter(PromptRow, PromptColumn + position - 1);
}

void SetErrorReportSink(ErrorReportSink* sink) { Sink = sink; }

void SetReportMode(ReportMode mode, bool colouringAllowed) {
    Mode = mode;
    ColouringAllowed = colouringAllowed;
}

std::string PrefixedMessage(const CommandMessage& message) {
    return (message.Warning ? "Warning - " : "Error - ") + message.Text;
}

void ReportError(const CommandMessage& message) {
    if (!message.Warning) CommandLineHasError = 1;
    if (Sink == nullptr || Mode == ReportMode::Silent) return;
    if (Mode == ReportMode::Check) {
        Sink->ShowStatusText(PrefixedMessage(message));
    } else {
        if (message.Warning) return;
        Sink->WriteOutputLine(PrefixedMessage(message));
        Sink->WriteOutputLine("");
    }
    if (!message.Warning && ColouringAllowed && message.Position > 0) Sink->ColourErrorCharacter(message.Position);
}

void ResetReportError() {
    Sink = nullptr;
    Mode = ReportMode::Silent;
    ColouringAllowed = false;
}
const ProgramStateReset registerResetReportError(ResetReportError);

}  // namespace qora
