// Key codes and shift states as the windows' key handlers see them.
//
// A key-down handler receives the code of the key and the shift state. Letter
// keys give the code of the upper-case letter ('A'..'Z', 65..90) with or
// without Shift; digit keys '0'..'9' (48..57); Ñ is 0xD1 and the other accented
// letters their upper-case code-page value (a composed accented character that
// has no key of its own arrives with its own code-page value, lower case
// included). Punctuation keys carry the codes of the key positions (the comma
// key is 188 whether or not Shift is held). This header is free of Qt so that
// the rule units of the games can be written and tested with the same codes;
// platform/qt/Keys.h turns a Qt key event into a KeyStroke.
#pragma once

#include <cstdint>

namespace qora {

using ShiftState = std::uint8_t;
constexpr ShiftState ssShift = 1;
constexpr ShiftState ssAlt = 2;
constexpr ShiftState ssCtrl = 4;

struct KeyStroke {
    int key = 0;           // the key code; 0 for a key without a code
    ShiftState shift = 0;  // ssShift | ssAlt | ssCtrl

    bool Shift() const { return (shift & ssShift) != 0; }
    bool Alt() const { return (shift & ssAlt) != 0; }
    bool Ctrl() const { return (shift & ssCtrl) != 0; }
};

constexpr int KeyBackspace = 8;
constexpr int KeyTab = 9;
constexpr int KeyEnter = 13;
constexpr int KeyShift = 16;
constexpr int KeyCtrl = 17;
constexpr int KeyAlt = 18;
constexpr int KeyPause = 19;
constexpr int KeyCapsLock = 20;
constexpr int KeyEscape = 27;
constexpr int KeySpace = 32;
constexpr int KeyPageUp = 33;
constexpr int KeyPageDown = 34;
constexpr int KeyEnd = 35;
constexpr int KeyHome = 36;
constexpr int KeyArrowLeft = 37;
constexpr int KeyArrowUp = 38;
constexpr int KeyArrowRight = 39;
constexpr int KeyArrowDown = 40;
constexpr int KeyInsert = 45;
constexpr int KeyDelete = 46;
constexpr int Key0 = '0';
constexpr int Key9 = '9';
constexpr int KeyA = 'A';
constexpr int KeyZ = 'Z';
constexpr int KeyNumpad0 = 96;  // keypad digits 96..105
constexpr int KeyNumpad9 = 105;
constexpr int KeyMultiply = 106;
constexpr int KeyAdd = 107;
constexpr int KeySubtract = 109;
constexpr int KeyDecimal = 110;
constexpr int KeyDivide = 111;
constexpr int KeyF1 = 112;  // F1..F24 are 112..135
constexpr int KeyF12 = 123;
constexpr int KeyF24 = 135;
constexpr int KeyNumLock = 144;
constexpr int KeyScrollLock = 145;
constexpr int KeySemicolon = 186;     // ; and :
constexpr int KeyEquals = 187;        // = and +
constexpr int KeyComma = 188;         // , and <
constexpr int KeyMinus = 189;         // - and _
constexpr int KeyPeriod = 190;        // . and >
constexpr int KeySlash = 191;         // / and ?
constexpr int KeyBackquote = 192;     // ` and ~
constexpr int KeyOpenBracket = 219;   // [ and {
constexpr int KeyBackslash = 220;     // \ and |
constexpr int KeyCloseBracket = 221;  // ] and }
constexpr int KeyQuote = 222;         // ' and "
constexpr int KeyEnye = 0xD1;         // Ñ

// The plain vowel of an accented key code, as Spanish text is typed: 0xC1 0xE1
// to A; 0xC8 0xC9 0xE8 0xE9 to E; 0xCE 0xEE to I; 0xD3 0xF3 to O; 0xDA 0xDC
// 0xFA 0xFC to U. 0xCD and 0xED (I with an acute accent) are not folded. Any
// other code is returned as it is.
constexpr int UnaccentedSpanishKey(int key) {
    switch (key) {
        case 0xC1:
        case 0xE1: return 'A';
        case 0xC8:
        case 0xC9:
        case 0xE8:
        case 0xE9: return 'E';
        case 0xCE:
        case 0xEE: return 'I';
        case 0xD3:
        case 0xF3: return 'O';
        case 0xDA:
        case 0xDC:
        case 0xFA:
        case 0xFC: return 'U';
        default: return key;
    }
}

constexpr int FunctionKeyCode(int n) { return KeyF1 + n - 1; }  // n = 1..24
constexpr bool IsLetterKey(int key) { return key >= KeyA && key <= KeyZ; }
constexpr bool IsDigitKey(int key) { return key >= Key0 && key <= Key9; }
constexpr bool IsFunctionKey(int key) { return key >= KeyF1 && key <= KeyF24; }

}  // namespace qora
