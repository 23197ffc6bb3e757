// Qt key events as the key codes and shift states of platform/KeyCodes.h.
//
// Key-down handlers of the windows call KeyStrokeOf() on the Qt event and work
// with the codes only, so a handler can be tested by sending Qt key events
// (QTest::keyClick) or by calling it with a KeyStroke directly.
#pragma once

#include "platform/KeyCodes.h"

class QKeyEvent;

namespace qora {

// The key code and shift state of a key press or release.
KeyStroke KeyStrokeOf(const QKeyEvent& event);

// The character that a key press types, as a code-page byte (the key-press
// handlers' character), or 0 when it types none or one outside the code page.
unsigned char KeyCharOf(const QKeyEvent& event);

}  // namespace qora
