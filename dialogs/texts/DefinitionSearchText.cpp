#include "dialogs/texts/DefinitionSearchText.h"

namespace qora {

const char* DefinitionConnective(int item) {
    static const char* const connectives[DefinitionConnectiveCount] = {"", "&", "&!", "|"};
    return item > 0 && item < DefinitionConnectiveCount ? connectives[item] : connectives[0];
}

bool DefinitionTextIsEmpty(std::string_view text) {
    if (text.starts_with('|')) text.remove_prefix(1);
    if (text.ends_with('|')) text.remove_suffix(1);
    return text.empty();
}

std::optional<std::string> DefinitionSearchCommand(std::string_view first, int item, std::string_view second) {
    if (DefinitionTextIsEmpty(first)) return std::nullopt;
    const std::string command = "/SD \"" + std::string(first) + "\" ";
    if (item <= 0 || item >= DefinitionConnectiveCount) return command;
    if (DefinitionTextIsEmpty(second)) return std::nullopt;
    return command + DefinitionConnective(item) + " \"" + std::string(second) + "\" ";
}

}  // namespace qora
