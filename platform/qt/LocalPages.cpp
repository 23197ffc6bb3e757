#include "platform/qt/LocalPages.h"

#include "platform/qt/Text.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>

namespace qora {

QUrl LocalPageAddress(std::string_view relativePath) {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return QUrl::fromLocalFile(programFolder.filePath(FromCodePage(relativePath)));
}

void OpenLocalPage(std::string_view relativePath) { QDesktopServices::openUrl(LocalPageAddress(relativePath)); }

void OpenAddress(std::string_view address) { QDesktopServices::openUrl(QUrl(FromCodePage(address))); }

}  // namespace qora
