// The definition filter editor: the operation that types the definition
// filter onto the command line, used by the editor's OK and by the main
// window's definition check box, and the typed form of a stored text.
#pragma once

#include <string>
#include <string_view>

namespace qora {

// The text as the user types it, from the form in which the settings keep it:
// an end that holds a blank (the assumed enclosing blank) loses it, an end
// without one gets the "|" that marks it. " noun " -> "noun", "noun " ->
// "|noun", " noun" -> "noun|", "noun" -> "|noun|".
std::string TypedDefinitionText(std::string_view stored);

// Appends "/\"", "!" unless `relation` is 0 ("includes"), the text and
// "\" ", then gives the workspace the focus. With `edgeMarking` the text is
// a stored one and is written in its typed form; an empty stored text is
// written empty ("/\"\" ", "/\"!\" "). Without it the text is written as
// given.
void AppendDefinitionFilter(int relation, std::string_view text, bool edgeMarking);

}  // namespace qora
