// Text at the Qt boundary.
//
// Inside the program text is bytes in the Windows code page 1252 (Ñ is 0xD1);
// Qt works in Unicode. These two functions are the one place where the two
// meet: every caption, message and field text crosses here.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace qora {

QString FromCodePage(std::string_view bytes);

// Characters outside the code page become "?".
std::string ToCodePage(const QString& text);

// Whether every character of the text is in the code page, so that
// ToCodePage keeps it whole.
bool FitsCodePage(const QString& text);

}  // namespace qora
