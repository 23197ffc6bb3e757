#include "platform/qt/Keys.h"

#include <gtest/gtest.h>
#include <QKeyEvent>

namespace qora {
namespace {

KeyStroke Stroke(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, qtKey, modifiers, text);
    return KeyStrokeOf(event);
}

// Letters give their upper-case code, punctuation its key position with or
// without Shift, accented letters their code-page value.
TEST(KeyStrokeOf, EachKeyGivesItsCode) {
    struct Case {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        QString text;
        int key;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, "a", 'A'},
        {Qt::Key_Q, Qt::ShiftModifier, "Q", 'Q'},
        {Qt::Key_Comma, Qt::NoModifier, ",", KeyComma},
        {Qt::Key_Less, Qt::ShiftModifier, "<", KeyComma},
        {Qt::Key_Minus, Qt::NoModifier, {}, KeyMinus},
        {Qt::Key_Equal, Qt::NoModifier, {}, KeyEquals},
        {Qt::Key_Exclam, Qt::ShiftModifier, "!", '1'},
        {Qt::Key_ParenRight, Qt::ShiftModifier, ")", '0'},
        {Qt::Key_7, Qt::NoModifier, {}, '7'},
        {Qt::Key_Ntilde, Qt::NoModifier, QString(QChar(0xF1)), 0xD1},
        {Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9)), 0xC9},
        {0, Qt::NoModifier, QString(QChar(0xE9)), 0xE9},  // composed from a dead key: no key code of its own
        {0, Qt::NoModifier, "a", 0},
        {Qt::Key_multiply, Qt::NoModifier, QString(QChar(0xD7)), 0},
        {Qt::Key_Return, Qt::NoModifier, {}, KeyEnter},
        {Qt::Key_Enter, Qt::KeypadModifier, {}, KeyEnter},
        {Qt::Key_Backtab, Qt::ShiftModifier, {}, KeyTab},
        {Qt::Key_Down, Qt::NoModifier, {}, KeyArrowDown},
        {Qt::Key_F12, Qt::NoModifier, {}, KeyF12},
        {Qt::Key_Alt, Qt::AltModifier, {}, KeyAlt},
        {Qt::Key_4, Qt::KeypadModifier, "4", KeyNumpad0 + 4},
    };
    for (const Case& c : cases) EXPECT_EQ(Stroke(c.qtKey, c.modifiers, c.text).key, c.key) << c.qtKey;
}

TEST(KeyStrokeOf, TheModifiersGiveTheShiftState) {
    const KeyStroke all = Stroke(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(all.shift, ssShift | ssCtrl | ssAlt);
    EXPECT_TRUE(Stroke(Qt::Key_Backtab, Qt::ShiftModifier).Shift());
    EXPECT_FALSE(Stroke(Qt::Key_Q, Qt::ShiftModifier, "Q").Ctrl());
}

TEST(KeyCharOf, GivesTheTypedCharacterInTheCodePage) {
    QKeyEvent euro(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x20AC)));
    EXPECT_EQ(KeyCharOf(euro), 0x80);
    QKeyEvent question(QEvent::KeyPress, Qt::Key_Question, Qt::ShiftModifier, "?");
    EXPECT_EQ(KeyCharOf(question), '?');
    QKeyEvent foreign(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x4E2D)));
    EXPECT_EQ(KeyCharOf(foreign), 0);
}

}  // namespace
}  // namespace qora
