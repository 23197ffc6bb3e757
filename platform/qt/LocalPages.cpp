#include "platform/qt/LocalPages.h"

#include "platform/qt/Text.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace qora {

namespace {

constexpr std::string_view FileScheme = "file:///";

void OpenAddressText(const QString& address) {
    if (address.startsWith(QLatin1String(FileScheme.data(), FileScheme.size()))) {
        // The local file named, from the slash that begins its path.
        QDesktopServices::openUrl(QUrl::fromLocalFile(address.mid(FileScheme.size() - 1)));
    } else {
        QDesktopServices::openUrl(QUrl(address));
    }
}

}  // namespace

std::string LocalPageAddress(std::string_view programFile, std::string_view page) {
    const std::size_t lastSeparator = programFile.find_last_of("\\/:");
    std::string_view folder = lastSeparator == std::string_view::npos ? "" : programFile.substr(0, lastSeparator + 1);
    if (folder.starts_with('/')) folder.remove_prefix(1);
    std::string address(FileScheme);
    address += folder;
    address += page;
    return address;
}

void OpenAddress(std::string_view address) { OpenAddressText(FromCodePage(address)); }

// The program's path may hold characters the code page lacks: the address is
// built in UTF-8, whose multi-byte characters hold no separator bytes.
void OpenLocalPage(std::string_view page) {
    const std::string address = LocalPageAddress(QCoreApplication::applicationFilePath().toStdString(), page);
    OpenAddressText(QString::fromStdString(address));
}

}  // namespace qora
