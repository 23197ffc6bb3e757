#include "platform/qt/Keys.h"

#include "platform/qt/Text.h"

#include <QKeyEvent>

namespace qora {

namespace {

// Letters of the code page's upper half (not the signs x and the division).
bool IsCodePageLetter(unsigned char c) { return c >= 0xC0 && c != 0xD7 && c != 0xF7; }

ShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers) {
    ShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= ssShift;
    if (modifiers & Qt::AltModifier) shift |= ssAlt;
    if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
    return shift;
}

// Keys that are the same key position as another: the shifted characters of
// the digit and punctuation keys (the US layout's pairs) give the key's code.
int ShiftedCharacterKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_ParenRight: return '0';
        case Qt::Key_Exclam: return '1';
        case Qt::Key_At: return '2';
        case Qt::Key_NumberSign: return '3';
        case Qt::Key_Dollar: return '4';
        case Qt::Key_Percent: return '5';
        case Qt::Key_AsciiCircum: return '6';
        case Qt::Key_Ampersand: return '7';
        case Qt::Key_Asterisk: return '8';
        case Qt::Key_ParenLeft: return '9';
        case Qt::Key_Semicolon:
        case Qt::Key_Colon: return KeySemicolon;
        case Qt::Key_Equal:
        case Qt::Key_Plus: return KeyEquals;
        case Qt::Key_Comma:
        case Qt::Key_Less: return KeyComma;
        case Qt::Key_Minus:
        case Qt::Key_Underscore: return KeyMinus;
        case Qt::Key_Period:
        case Qt::Key_Greater: return KeyPeriod;
        case Qt::Key_Slash:
        case Qt::Key_Question: return KeySlash;
        case Qt::Key_QuoteLeft:
        case Qt::Key_AsciiTilde: return KeyBackquote;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft: return KeyOpenBracket;
        case Qt::Key_Backslash:
        case Qt::Key_Bar: return KeyBackslash;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight: return KeyCloseBracket;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl: return KeyQuote;
        default: return 0;
    }
}

int KeypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return KeyNumpad0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
        case Qt::Key_Asterisk: return KeyMultiply;
        case Qt::Key_Plus: return KeyAdd;
        case Qt::Key_Minus: return KeySubtract;
        case Qt::Key_Period:
        case Qt::Key_Comma: return KeyDecimal;
        case Qt::Key_Slash: return KeyDivide;
        case Qt::Key_Enter: return KeyEnter;
        default: return 0;
    }
}

int ControlKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Backspace: return KeyBackspace;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return KeyTab;
        case Qt::Key_Return:
        case Qt::Key_Enter: return KeyEnter;
        case Qt::Key_Shift: return KeyShift;
        case Qt::Key_Control: return KeyCtrl;
        case Qt::Key_Alt:
        case Qt::Key_AltGr: return KeyAlt;
        case Qt::Key_Pause: return KeyPause;
        case Qt::Key_CapsLock: return KeyCapsLock;
        case Qt::Key_Escape: return KeyEscape;
        case Qt::Key_Space: return KeySpace;
        case Qt::Key_PageUp: return KeyPageUp;
        case Qt::Key_PageDown: return KeyPageDown;
        case Qt::Key_End: return KeyEnd;
        case Qt::Key_Home: return KeyHome;
        case Qt::Key_Left: return KeyArrowLeft;
        case Qt::Key_Up: return KeyArrowUp;
        case Qt::Key_Right: return KeyArrowRight;
        case Qt::Key_Down: return KeyArrowDown;
        case Qt::Key_Insert: return KeyInsert;
        case Qt::Key_Delete: return KeyDelete;
        case Qt::Key_NumLock: return KeyNumLock;
        case Qt::Key_ScrollLock: return KeyScrollLock;
        default: return 0;
    }
}

}  // namespace

KeyStroke KeyStrokeOf(const QKeyEvent& event) {
    const int qtKey = event.key();
    KeyStroke stroke;
    stroke.shift = ShiftStateOf(event.modifiers());
    if (event.modifiers() & Qt::KeypadModifier) {
        if (int key = KeypadKey(qtKey)) {
            stroke.key = key;
            return stroke;
        }
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        stroke.key = KeyF1 + (qtKey - Qt::Key_F1);
    else if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        stroke.key = qtKey;
    else if (qtKey >= Qt::Key_Agrave && qtKey <= Qt::Key_ydiaeresis && IsCodePageLetter(qtKey))
        stroke.key = qtKey;  // Latin-1 letters: Qt's codes are the code-page values
    else if (int key = ControlKey(qtKey))
        stroke.key = key;
    else if (int key = ShiftedCharacterKey(qtKey))
        stroke.key = key;
    else if (const unsigned char typed = KeyCharOf(event); IsCodePageLetter(typed))
        stroke.key = typed;  // a composed accented letter without a key of its own
    return stroke;
}

unsigned char KeyCharOf(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.size() != 1) return 0;
    const std::string bytes = ToCodePage(text);
    return bytes == "?" && text != QLatin1String("?") ? 0 : static_cast<unsigned char>(bytes[0]);
}

}  // namespace qora
