// The clipboard, as plain text in the code page.
#pragma once

#include <string>
#include <string_view>

namespace qora {

std::string ClipboardText();
void SetClipboardText(std::string_view text);

}  // namespace qora
