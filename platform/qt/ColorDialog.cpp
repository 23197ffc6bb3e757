#include "platform/qt/ColorDialog.h"

#include "platform/ProgramState.h"

#include <QColorDialog>
#include <algorithm>
#include <cstdio>

namespace qora {

std::uint32_t ColorNumber(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}

std::string CustomColorLine(char letter, const QColor& color) {
    char line[32];
    std::snprintf(line, sizeof line, "Color%c=%X", letter, static_cast<unsigned>(ColorNumber(color)));
    return line;
}

void ColorDialog::AddCustomColor(char letter, const QColor& color) {
    const int place = letter - 'A';
    if (place < 0 || place >= QColorDialog::customCount()) return;
    const std::string prefix = std::string("Color") + letter + "=";
    std::erase_if(customColors_, [&](const std::string& line) { return line.starts_with(prefix); });
    customColors_.push_back(CustomColorLine(letter, color));
    QColorDialog::setCustomColor(place, color);
}

bool ColorDialog::Execute(QWidget* parent) {
    QColorDialog dialog(Color, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    Color = dialog.selectedColor();
    return true;
}

ColorDialog& ProgramColorDialog() {
    static ColorDialog dialog;
    return dialog;
}

namespace {

void ResetProgramColorDialog() { ProgramColorDialog().ClearCustomColors(); }
const ProgramStateReset registerResetProgramColorDialog(ResetProgramColorDialog);

}  // namespace

}  // namespace qora
