// The definition search "/SD" as the Show Definitions dialog composes it: one
// text, or two joined by a connective.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qora {

// The connective items of the dialog's list: "and no other condition" (no
// second text), "and this text", "and not this text", "or this text".
constexpr int DefinitionConnectiveCount = 4;

// What each item writes between the texts: "", "&", "&!", "|".
const char* DefinitionConnective(int item);

// Whether a search text says nothing: it is empty, or holds only the bars
// that mark its ends ("|", "||"). The parser refuses such a text.
bool DefinitionTextIsEmpty(std::string_view text);

// "/SD \"noun\" " for item 0, "/SD \"noun\" &! \"plural\" " for the others, the
// texts exactly as typed. Nothing when the first text, or the second one after
// a connective, is empty.
std::optional<std::string> DefinitionSearchCommand(std::string_view first, int item, std::string_view second);

}  // namespace qora
