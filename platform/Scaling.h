// Scaling of layout sizes by the screen's pixels per inch.
//
// Every size and position in the window code is written for 96 pixels per
// inch and passed through Scaled(), which multiplies by ScreenDpi / 96 with the
// rounding of the system's MulDiv. ScreenDpi is set once at start-up from the
// screen (platform/qt/Screen.h); until then, and in Qt-free tests, it is 96.
#pragma once

namespace qora {

extern int ScreenDpi;  // the screen's horizontal (logical) pixels per inch

// number * numerator / denominator computed in 64 bits and rounded to the
// nearest integer, halves away from zero; -1 when the denominator is 0 or the
// result does not fit in 32 bits (the system call's contract).
int MulDiv(int number, int numerator, int denominator);

// A size given at 96 pixels per inch, scaled to the screen.
inline int Scaled(int n) { return MulDiv(n, ScreenDpi, 96); }

void ResetScaling();  // ScreenDpi back to 96 (tests)

}  // namespace qora
