#include "platform/qt/Focus.h"

#include <QWidget>

namespace qora {

std::uint8_t ProgramMovingFocus = 0;  // no-reset: set only while a ProgramFocusMove lasts

ProgramFocusMove::ProgramFocusMove() : saved_(ProgramMovingFocus) { ProgramMovingFocus = 1; }

ProgramFocusMove::~ProgramFocusMove() { ProgramMovingFocus = saved_; }

void MoveFocus(QWidget& target) {
    ProgramFocusMove move;
    target.setFocus(Qt::OtherFocusReason);
}

QWidget* WorkspaceEdit = nullptr;  // no-reset: the main window's workspace control

void FocusWorkspace() {
    if (WorkspaceEdit != nullptr) MoveFocus(*WorkspaceEdit);
}

}  // namespace qora
