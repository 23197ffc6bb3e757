// The font dialog.
#pragma once

#include <QFont>

class QWidget;

namespace qora {

class FontDialog {
public:
    QFont Font;                   // the font the dialog starts on, and after Execute() the one chosen
    bool FixedPitchOnly = false;  // offer only fonts whose characters are all as wide

    // Runs the dialog; true when the user chose a font (Cancel keeps Font).
    bool Execute(QWidget* parent = nullptr);
};

}  // namespace qora
