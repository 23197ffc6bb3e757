// Answering modal windows in widget tests: a modal window's exec() waits for
// the user, so the test gives the answer beforehand.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace qora {

// Runs `answer` on the next modal window that opens (within five seconds).
void WhenModalOpens(std::function<void(QWidget& modal)> answer);

// Answers an open or save dialog with the file: the name is typed into the
// dialog's name field (a selection made in its list can be overtaken by the
// dialog's own while it reads the folder) and the dialog accepted.
void ChooseFile(QWidget& fileDialog, const std::string& path);

}  // namespace qora
