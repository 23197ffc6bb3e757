// Focus moves made by the program itself.
//
// Controls that react to the focus arriving or leaving (the drop-down lists'
// Enter and Exit handlers) must not react when the program moves the focus, so
// every such move runs with ProgramMovingFocus set.
#pragma once

#include <cstdint>

class QWidget;

namespace qora {

extern std::uint8_t ProgramMovingFocus;

// Sets ProgramMovingFocus for its lifetime and then restores it.
class ProgramFocusMove {
public:
    ProgramFocusMove();
    ~ProgramFocusMove();
    ProgramFocusMove(const ProgramFocusMove&) = delete;
    ProgramFocusMove& operator=(const ProgramFocusMove&) = delete;

private:
    std::uint8_t saved_;
};

// Gives a control the focus with ProgramMovingFocus set meanwhile.
void MoveFocus(QWidget& target);

// The main window's workspace console; null until the main window sets it.
// The controls and dialogs give it the focus when they have typed their text.
extern QWidget* WorkspaceEdit;

// Gives the workspace the focus with ProgramMovingFocus set meanwhile (nothing
// while there is no workspace).
void FocusWorkspace();

}  // namespace qora
