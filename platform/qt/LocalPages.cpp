#include "platform/qt/LocalPages.h"

#include "platform/qt/Text.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>

namespace qora {

namespace {

constexpr std::string_view FileScheme = "file:///";

// A file address as the local file it names, from the slash that begins its
// path; any other address as it is.
QUrl UrlOf(const QString& address) {
    if (address.startsWith(QLatin1String(FileScheme.data(), FileScheme.size())))
        return QUrl::fromLocalFile(address.mid(FileScheme.size() - 1));
    return QUrl(address);
}

// The program's path may hold characters the code page lacks: the address is
// built in UTF-8, whose multi-byte characters hold no separator bytes.
QUrl LocalPageUrl(std::string_view page) {
    return UrlOf(QString::fromStdString(LocalPageAddress(QCoreApplication::applicationFilePath().toStdString(), page)));
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

PageOpening OpenWithSystem(const QUrl& url) {
    if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile()) return PageOpening::NoSuchFile;
    return QDesktopServices::openUrl(url) ? PageOpening::Opened : PageOpening::NoHandler;
}

std::function<PageOpening(const QUrl& url)> OpenUrl = OpenWithSystem;  // no-reset: how pages open, which tests replace

PageOpening OpenAddress(std::string_view address) { return OpenUrl(UrlOf(FromCodePage(address))); }

std::string LocalPageFile(std::string_view page) { return ToCodePage(LocalPageUrl(page).toLocalFile()); }

PageOpening OpenLocalPage(std::string_view page) { return OpenUrl(LocalPageUrl(page)); }

}  // namespace qora
