// The colour dialog with its custom colours.
//
// Custom colours are kept as the lines "Color%c=%X": a letter A to P for one
// of the sixteen custom-colour places and the colour number, the system's
// value with red in the low byte and blue in the high byte (the colour
// red 160, green 176, blue 255 is "ColorA=FFB0A0").
#pragma once

#include <QColor>
#include <cstdint>
#include <string>
#include <vector>

class QWidget;

namespace qora {

std::uint32_t ColorNumber(const QColor& color);
std::string CustomColorLine(char letter, const QColor& color);

class ColorDialog {
public:
    QColor Color = Qt::black;  // the colour the dialog starts on, and after Execute() the one chosen

    // Adds the line of a custom colour (replacing an earlier line of that
    // letter) and puts the colour in its place of the dialog; letters outside
    // A to P are ignored.
    void AddCustomColor(char letter, const QColor& color);
    const std::vector<std::string>& CustomColors() const { return customColors_; }

    // Runs the dialog; true when the user chose a colour.
    bool Execute(QWidget* parent = nullptr);

    // No custom colour lines.
    void ClearCustomColors() { customColors_.clear(); }

private:
    std::vector<std::string> customColors_;
};

// The main window's colour dialog, whose custom colours every window that
// lets the user choose a colour shares.
ColorDialog& ProgramColorDialog();

}  // namespace qora
