#include "games/WordBuildingControls.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>

#include "platform/Scaling.h"
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

}  // namespace qora
