#include "platform/qt/FontDialog.h"

#include <QFontDialog>

namespace qora {

bool FontDialog::Execute(QWidget* parent) {
    QFontDialog dialog(Font, parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setOption(QFontDialog::MonospacedFonts, FixedPitchOnly);
    if (dialog.exec() != QDialog::Accepted) return false;
    Font = dialog.selectedFont();
    return true;
}

}  // namespace qora
