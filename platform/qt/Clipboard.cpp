#include "platform/qt/Clipboard.h"

#include "platform/qt/Text.h"

#include <QClipboard>
#include <QGuiApplication>

namespace qora {

std::string ClipboardText() { return ToCodePage(QGuiApplication::clipboard()->text()); }

void SetClipboardText(std::string_view text) { QGuiApplication::clipboard()->setText(FromCodePage(text)); }

}  // namespace qora
