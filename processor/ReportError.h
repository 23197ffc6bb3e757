// The one reporter of command-language errors and warnings.
//
// A message goes where the handling of the command line asks:
//   silent re-check after an edit - nowhere;
//   check (Check button, Ctrl+Enter) - the status text, warnings included;
//   perform (Enter, Perform, command files) - the workspace, followed by an
//     empty line; warnings are not shown.
// An error marks the command line as failed (CommandLineHasError). When the
// error lies at a character of a line that the user typed without "!" or "^"
// insertions and no command file runs, that character is coloured red.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace qora {

struct CommandMessage {
    bool Warning = false;
    std::string Text;           // without the "Error - " / "Warning - " prefix
    std::int32_t Position = 0;  // 1-based character of the line at fault; 0 none
};

// What the main window (and tests) provide to show messages.
class ErrorReportSink {
public:
    virtual ~ErrorReportSink() = default;
    virtual void ShowStatusText(const std::string& text) = 0;   // the status bar's middle panel
    virtual void WriteOutputLine(const std::string& text) = 0;  // a workspace line
    // Colours character `position` (1-based) of the command line red.
    virtual void ColourErrorCharacter(std::int32_t position) = 0;
};

// The program's sink: lines go into the workspace through the console, from
// whichever thread performs the line; the character is coloured on the
// prompt line; status texts go to the function given (nowhere without one).
class ConsoleErrorSink : public ErrorReportSink {
public:
    explicit ConsoleErrorSink(std::function<void(const std::string&)> showStatusText = {})
        : showStatusText_(std::move(showStatusText)) {}
    void ShowStatusText(const std::string& text) override;
    void WriteOutputLine(const std::string& text) override;
    void ColourErrorCharacter(std::int32_t position) override;

private:
    std::function<void(const std::string&)> showStatusText_;
};

enum class ReportMode { Silent, Check, Perform };

// The sink in use; null (the default) shows nothing.
void SetErrorReportSink(ErrorReportSink* sink);

// Set for each command line handled: how messages are delivered and whether
// the line may be coloured (typed, without insertions, no command file).
void SetReportMode(ReportMode mode, bool colouringAllowed);

// "Error - " or "Warning - " followed by the text.
std::string PrefixedMessage(const CommandMessage& message);

void ReportError(const CommandMessage& message);

// Back to no sink and silent reporting (tests).
void ResetReportError();

}  // namespace qora
