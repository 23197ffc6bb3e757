#include "games/WordBuildingControls.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "engine/Listings.h"
#include "platform/Files.h"
#include "platform/Scaling.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/Screen.h"
#include "platform/qt/Text.h"
#include "processor/IniFile.h"

namespace qora {

QRect Designed(int x, int y, int width, int height) { return {Scaled(x), Scaled(y), Scaled(width), Scaled(height)}; }

QLabel* MakeLabel(QWidget* parent, const char* text, QRect place) {
    auto* label = new QLabel(FromCodePage(text), parent);
    label->setGeometry(place);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* text, QRect place) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setGeometry(place);
    return button;
}

QFont FixedPitchFont() { return QFontDatabase::systemFont(QFontDatabase::FixedFont); }

QPlainTextEdit* MakeTextBox(QWidget* parent, QRect place) {
    auto* box = new QPlainTextEdit(parent);
    box->setReadOnly(true);
    box->setFont(FixedPitchFont());
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setGeometry(place);
    return box;
}

bool StepListOnSpace(QComboBox& list, const QEvent& event) {
    if (event.type() != QEvent::KeyPress || static_cast<const QKeyEvent&>(event).key() != Qt::Key_Space ||
        list.count() == 0)
        return false;
    list.setCurrentIndex((list.currentIndex() + 1) % list.count());
    return true;
}

void ShowBesideGameWindow(QoraDialog& dialog, QWidget& window) {
    PlaceWindow(dialog, window.mapToGlobal(QPoint(Scaled(40), Scaled(20))));
    dialog.hide();  // showing it again opens it afresh
    dialog.ShowModeless();
}

FileDialog GameFileDialog(FileDialog::Kind kind, std::string title, const GameFileKind& file, bool append) {
    FileDialog dialog(kind);
    dialog.Title = std::move(title);
    dialog.FileName = file.fileName;
    dialog.Filter = file.filter;
    dialog.FilterIndex = 1;
    dialog.DefaultExt = file.defaultExt;
    dialog.OverwritePrompt = kind == FileDialog::Kind::Save && !append;
    dialog.InitialDir = DefaultDirectoryName;
    return dialog;
}

void ReportExportDone(const std::string& file, bool append, std::string_view what) {
    ShowInformation(FormatText("%s %.*s%s %s", append ? "Appended" : "Created", static_cast<int>(what.size()),
                               what.data(), append ? " to" : "", file.c_str()));
}

void ExportGameFile(QWidget* parent, const GameExport& kind, bool append, std::string_view text) {
    FileDialog dialog =
        GameFileDialog(FileDialog::Kind::Save, FormatText(kind.title, append ? "append" : "create"), kind.file, append);
    if (!dialog.Execute(parent)) return;
    const std::string error = append ? AppendToFile(dialog.FileName, text, AppendStart::AfterEmptyLine)
                                     : WriteWholeFile(dialog.FileName, text);
    if (!error.empty()) {
        ShowWarning(FormatText(kind.cannotOpen, dialog.FileName.c_str()));
        return;
    }
    ReportExportDone(dialog.FileName, append, kind.what);
}

}  // namespace qora
