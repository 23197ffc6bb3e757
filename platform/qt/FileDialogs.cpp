#include "platform/qt/FileDialogs.h"

#include "platform/Folders.h"
#include "platform/qt/Text.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace qora {

namespace {

QString Path(const std::string& path) { return QFile::decodeName(path.c_str()); }

std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString PatternsInEitherCase(const QString& patterns) {
    QStringList both;
    for (const QString& pattern : patterns.split(';', Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        for (const QString& variant : {trimmed, trimmed.toLower(), trimmed.toUpper()})
            if (!both.contains(variant)) both << variant;
    }
    return both.join(' ');
}

QString StartingFolder(const FileDialog& dialog) {
    if (!dialog.InitialDir.empty()) return Path(dialog.InitialDir);
    const QFileInfo proposed(Path(dialog.FileName));
    if (!dialog.FileName.empty() && proposed.path() != "." && proposed.dir().exists()) return proposed.path();
    return Path(HomeDirectory);
}

// The dialog names the chosen filter by its description only.
int IndexOfShownFilter(const QStringList& filters, const QString& shown) {
    for (qsizetype i = 0; i < filters.size(); ++i)
        if (filters[i] == shown || filters[i].startsWith(shown + " (")) return static_cast<int>(i);
    return 0;
}

}  // namespace

QStringList NameFiltersOf(const std::string& filter) {
    const QStringList parts = FromCodePage(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QString("%1 (%2)").arg(parts[i].trimmed(), PatternsInEitherCase(parts[i + 1]));
    return filters;
}

bool FileDialog::Execute(QWidget* parent) {
    QFileDialog dialog(parent, FromCodePage(Title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const bool saving = kind_ == Kind::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !OverwritePrompt);
    QString extension = FromCodePage(DefaultExt);
    if (extension.startsWith('.')) extension.remove(0, 1);
    dialog.setDefaultSuffix(extension);
    const QStringList filters = NameFiltersOf(Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (FilterIndex >= 1 && FilterIndex <= filters.size()) dialog.selectNameFilter(filters[FilterIndex - 1]);
    }
    dialog.setDirectory(StartingFolder(*this));
    if (!FileName.empty()) dialog.selectFile(QFileInfo(Path(FileName)).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    FileName = PathBytes(dialog.selectedFiles().first());
    if (!filters.isEmpty()) FilterIndex = IndexOfShownFilter(filters, dialog.selectedNameFilter()) + 1;
    return true;
}

}  // namespace qora
