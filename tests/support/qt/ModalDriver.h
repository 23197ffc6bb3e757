// Answering modal windows in widget tests: a modal window's exec() waits for
// the user, so the test gives the answer beforehand.
#pragma once

#include <functional>

class QWidget;

namespace qora {

// Runs `answer` on the next modal window that opens (within five seconds).
void WhenModalOpens(std::function<void(QWidget& modal)> answer);

}  // namespace qora
