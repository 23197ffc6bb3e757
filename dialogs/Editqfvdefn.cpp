#include "dialogs/Editqfvdefn.h"

#include "platform/qt/Focus.h"
#include "processor/Console.h"

namespace qora {

std::string TypedDefinitionText(std::string_view stored) {
    const bool blankFirst = !stored.empty() && stored.front() == ' ';
    const bool blankLast = !stored.empty() && stored.back() == ' ';
    if (blankFirst) stored.remove_prefix(1);
    // A single blank is both ends at once and is removed only once.
    if (blankLast && !stored.empty()) stored.remove_suffix(1);
    return std::string(blankFirst ? "" : "|") + std::string(stored) + (blankLast ? "" : "|");
}

void AppendDefinitionFilter(int relation, std::string_view text, bool edgeMarking) {
    const std::string written = edgeMarking && !text.empty() ? TypedDefinitionText(text) : std::string(text);
    AppendToCommandLine("/\"" + std::string(relation == 0 ? "" : "!") + written + "\" ");
    FocusWorkspace();
}

}  // namespace qora
