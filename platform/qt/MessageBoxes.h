// Message boxes: a text (code-page bytes) in a small modal box over the
// active window. The caption defaults to the kind of box.
#pragma once

#include "platform/qt/Dialogs.h"

#include <string_view>

namespace qora {

// A warning with a Cancel button.
void ShowWarning(std::string_view text, std::string_view caption = "Warning");
// Information with an OK button.
void ShowInformation(std::string_view text, std::string_view caption = "Information");
// An error with an OK button.
void ShowError(std::string_view text, std::string_view caption = "Error");
// A warning answered OK or Cancel: mrOk or mrCancel (closing the box cancels).
ModalResult AskOkCancel(std::string_view text, std::string_view caption = "Warning");
// A question answered Yes or No: mrYes or mrNo (closing the box answers No).
ModalResult AskYesNo(std::string_view text, std::string_view caption = "Confirm");

}  // namespace qora
